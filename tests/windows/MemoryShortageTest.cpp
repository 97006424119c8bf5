// Memory running out with the real windows, while the anthology loads and on a step.
#include "FailingAllocations.h"
#include "MessageBoxCatcher.h"
#include "ReaderFixture.h"

#include "Controls.h"
#include "ProgramTexts.h"
#include "ReaderLayout.h"
#include "SearchLayout.h"

namespace {

// Author entries still to come before the allocation that fails.
int authorEntriesLeft = 0;

// Sets the failure after the chosen author entry. It watches the message after the list has
// handled it, so that the failure comes in the loader's own code and not inside the system's.
LRESULT CALLBACK FailAfterAuthorEntries(int code, WPARAM wParam, LPARAM lParam) {
    const auto* handled = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && handled->message == CB_ADDSTRING &&
        GetDlgCtrlID(handled->hwnd) == cboAuthor && --authorEntriesLeft == 0) {
        SetNextAllocationFails(true);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class MemoryShortage : public ReaderFixture {};

} // namespace

// An allocation fails once the author list holds some of the loader's entries: both pick lists
// are left with their preset alone, and forget the names that went with the entries.
TEST_F(MemoryShortage, OutOfMemoryWhileLoadingLeavesBothPickListsWithTheirPresetAlone) {
    MessageBoxCatcher catcher;
    authorEntriesLeft = 3; // the preset, 李白 and 孟浩然
    {
        const UniqueHook hook = HookThisThread(WH_CALLWNDPROCRET, FailAfterAuthorEntries);
        StartWithUtf8(u8"[五言绝句]\r\n<静夜思>\r\n(李白)\r\n床前明月光，\r\n//N//\r\n"
                      u8"<春晓>\r\n(孟浩然)\r\n春眠不觉晓，\r\n//N//\r\n"
                      u8"[七言绝句]\r\n<早发白帝城>\r\n(李白)\r\nV\r\n//N//\r\n");
    }
    SetNextAllocationFails(false); // in case no allocation came after the chosen entry
    ASSERT_EQ(catcher.Boxes().size(), 1u);
    EXPECT_NE(catcher.Boxes()[0].Text.find(u"内存不足，无法读入整个文件。"), std::u16string::npos);
    EXPECT_TRUE(shared.Tangs.empty());
    EXPECT_EQ(ui::ComboBox(ReaderControl(cboTang)).ListCount(), 0);
    for (const ui::ComboBox& list : {Search().Rhymes(), Search().Authors()}) {
        ASSERT_EQ(list.ListCount(), 1);
        EXPECT_EQ(list.List(0), u"不限定");
    }
    reader->AddAuthor(Utf16(u8"李白"));
    EXPECT_EQ(Search().Authors().ListCount(), 2) << "a name added now is listed";
}

// The second poem's verses fill about 38 KB; nothing else the reader does on a step comes near
// the 32 KB from which allocations fail.
TEST_F(MemoryShortage, AStepWithoutMemoryIsToldAndTheReaderGoesOnFromThePoemShown) {
    MessageBoxCatcher catcher;
    StartWithUtf8(u8"<一>\r\n(甲)\r\nA\r\n//N//\r\n<二>\r\n(乙)\r\n" +
                  Repeated(Repeated(u8"山", 1000) + u8"\r\n", 19) +
                  u8"//N//\r\n<三>\r\n(丙)\r\nC\r\n//N//\r\n");
    ASSERT_TRUE(catcher.Boxes().empty());
    const auto stepWithoutMemory = [&](const auto& step) {
        {
            const LargeAllocationsFail failing(32 * 1024);
            step();
        }
        ASSERT_FALSE(catcher.Boxes().empty());
        EXPECT_EQ(catcher.Boxes().back().Text, texts::MemoryShortMessage);
        ExpectShowing(0); // the list's entry goes back to the poem on the page
    };
    stepWithoutMemory([&] { Click(ReaderControl(cmdMoveNext)); }); // the window procedure
    SetFocus(ReaderControl(cboTang));
    stepWithoutMemory([] { PressChord(VK_NEXT, true); }); // the message loop's own keys
    stepWithoutMemory([] { PressKey(VK_DOWN); });         // the list moves before the poem is shown
    ASSERT_EQ(catcher.Boxes().size(), 3u);
    Click(ReaderControl(cmdMoveNext)); // with memory again, the very next poem
    ExpectShowing(1);
    EXPECT_EQ(catcher.Boxes().size(), 3u);
}
