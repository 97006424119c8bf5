#include "FailingAllocations.h"
#include "KeyChords.h"
#include "MessageBoxCatcher.h"
#include "ReaderFixture.h"

#include "ProgramTexts.h"
#include "ReaderLayout.h"

namespace {

// The second poem's verses, as long as the loader takes them, fill about 38 KB; nothing else
// the reader does on a step comes near the 32 KB from which allocations fail.
constexpr std::size_t FailingFrom = 32 * 1024;
std::u8string WithALongSecondPoem() {
    std::u8string verses;
    for (int line = 0; line < 19; ++line) {
        for (int i = 0; i < 1000; ++i) {
            verses += u8"山";
        }
        verses += u8"\r\n";
    }
    return u8"<一>\r\n(甲)\r\nA\r\n//N//\r\n<二>\r\n(乙)\r\n" + verses +
           u8"//N//\r\n<三>\r\n(丙)\r\nC\r\n//N//\r\n";
}

class MemoryShortage : public ReaderFixture {};

} // namespace

TEST_F(MemoryShortage, AStepWithoutMemoryIsToldAndTheReaderGoesOnFromThePoemShown) {
    MessageBoxCatcher catcher;
    StartWithUtf8(WithALongSecondPoem());
    ASSERT_TRUE(catcher.Boxes().empty());
    {
        const LargeAllocationsFail failing(FailingFrom);
        Click(ReaderControl(cmdMoveNext)); // through the reader's window procedure
    }
    ASSERT_EQ(catcher.Boxes().size(), 1u);
    EXPECT_EQ(catcher.Boxes()[0].Text, texts::MemoryShortMessage);
    ExpectShowing(0);
    {
        const LargeAllocationsFail failing(FailingFrom);
        SetFocus(ReaderControl(cboTang));
        PressChord(VK_NEXT, true); // through the message loop's own keys
    }
    ASSERT_EQ(catcher.Boxes().size(), 2u);
    EXPECT_EQ(catcher.Boxes()[1].Text, texts::MemoryShortMessage);
    ExpectShowing(0);
    {
        const LargeAllocationsFail failing(FailingFrom);
        PressKey(VK_DOWN); // the poem list moves to the next entry before the poem is shown
    }
    ASSERT_EQ(catcher.Boxes().size(), 3u);
    ExpectShowing(0);                  // the list's entry goes back to the poem on the page
    Click(ReaderControl(cmdMoveNext)); // with memory again, the very next poem
    ExpectShowing(1);
    EXPECT_EQ(catcher.Boxes().size(), 3u);
}
