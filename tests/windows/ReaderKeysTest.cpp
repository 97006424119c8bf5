#include "MessageBoxCatcher.h"
#include "ReaderFixture.h"

#include "Controls.h"
#include "ProgramTexts.h"
#include "ReaderLayout.h"
#include "SearchLayout.h"

#include <richedit.h>
#include <set>
#include <tuple>

namespace {

class ReaderKeys : public ReaderFixture {};

} // namespace

// From each control that takes the focus, the keys step as the buttons do, with their messages.
TEST_F(ReaderKeys, StepThroughThePoemsFromEveryControlWithTheButtonsMessages) {
    StartWithUtf8(ThreePoems);
    MessageBoxCatcher catcher;
    // Key, Ctrl, Alt; the poem it leads to; the message it shows, if any.
    const std::tuple<UINT, bool, bool, int, std::u16string_view> presses[] = {
        {VK_PRIOR, true, false, 0, texts::FirstPoemMessage},
        {VK_NEXT, true, false, 1, {}},
        {VK_END, false, true, 2, {}},
        {VK_NEXT, true, false, 2, texts::LastPoemMessage},
        {VK_PRIOR, true, false, 1, {}},
        {VK_HOME, false, true, 0, {}},
        {VK_HOME, false, true, 0, {}},
    };
    size_t boxes = 0;
    for (const int focus : {RichText1, cboTang, cmdMoveNext, Command1}) {
        for (const auto& [key, ctrl, alt, poem, message] : presses) {
            SetFocus(ReaderControl(focus));
            PressChord(key, ctrl, false, alt);
            boxes += message.empty() ? 0 : 1;
            ASSERT_EQ(catcher.Boxes().size(), boxes) << "key " << key << " on " << focus;
            if (!message.empty()) {
                EXPECT_EQ(catcher.Boxes().back().Text, message);
                EXPECT_EQ(catcher.Boxes().back().Owner, reader->Handle());
            }
            ExpectShowing(poem);
        }
    }
}

// Ctrl+Home and Ctrl+End still move the page's caret; arrows still move it too.
TEST_F(ReaderKeys, LeaveThePagesOwnKeysToIt) {
    StartWithUtf8(ThreePoems);
    MessageBoxCatcher catcher;
    HWND page = ReaderControl(RichText1);
    SetFocus(page);
    SendMessageW(page, EM_SETSEL, 3, 3);
    PressChord(VK_HOME, true);
    CHARRANGE caret{};
    SendMessageW(page, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    EXPECT_EQ(caret.cpMin, 0);
    PressChord(VK_END, true);
    SendMessageW(page, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    EXPECT_GT(caret.cpMin, 3);
    PressChord(VK_NEXT, false);
    PressChord(VK_RIGHT, false);
    ExpectShowing(0);
    EXPECT_TRUE(catcher.Boxes().empty());
}

TEST_F(ReaderKeys, CtrlFBringsTheSearchWindowWithTheFocusInTheAuthorBox) {
    StartWithUtf8(ThreePoems);
    TypeText(SearchControl(cboAuthor), u"乙");
    for (const int focus : {RichText1, cboTang}) {
        SetFocus(ReaderControl(focus));
        PressChord('F', true);
        EXPECT_TRUE(IsWindowVisible(Search().Handle()));
        EXPECT_EQ(GetForegroundWindow(), Search().Handle());
        HWND focused = GetFocus();
        EXPECT_TRUE(focused == SearchControl(cboAuthor) ||
                    GetParent(focused) == SearchControl(cboAuthor));
        EXPECT_EQ(ui::WindowText(SearchControl(cboAuthor)), u"乙") << "kept as the user left it";
        DWORD start = 0, end = 0;
        SendMessageW(focused, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(end - start, 1u) << "typing replaces it";
        SetForegroundWindow(reader->Handle()); // behind the reader again
        ui::DispatchPendingMessages();
    }
}

TEST_F(ReaderKeys, CtrlRShowsAnotherPoemEachTimeAndReachesThemAllAndOnePoemStays) {
    StartWithUtf8(ThreePoems);
    std::set<int> seen;
    for (int press = 0; press < 30; ++press) {
        const int before = shared.CurrentIndex;
        SetFocus(ReaderControl(press % 2 == 0 ? RichText1 : cmdMovePrev));
        PressChord('R', true);
        ASSERT_NE(shared.CurrentIndex, before) << "press " << press;
        ExpectShowing(shared.CurrentIndex);
        seen.insert(shared.CurrentIndex);
    }
    EXPECT_EQ(seen.size(), 3u);
    // The buttons step on from the poem chosen.
    const int chosen = shared.CurrentIndex;
    if (chosen < 2) {
        Click(ReaderControl(cmdMoveNext));
        ExpectShowing(chosen + 1);
    }

    Restart();
    StartWithUtf8(u8"<独>\r\n(甲)\r\nA\r\n");
    MessageBoxCatcher catcher;
    SetFocus(ReaderControl(RichText1));
    PressChord('R', true);
    ExpectShowing(0);
    EXPECT_TRUE(catcher.Boxes().empty()) << "one poem stays, without a message";
}
