#include "MessageBoxCatcher.h"
#include "ReaderFixture.h"

#include "Controls.h"
#include "ProgramTexts.h"
#include "ReaderLayout.h"
#include "SearchLayout.h"

#include <functional>
#include <richedit.h>
#include <set>

namespace {

const std::vector<std::u16string> MenuItems = {
    u"复制(&C)",
    u"全选(&A)",
    u"",
    u"上一首(&U)\tCtrl+PgUp",
    u"下一首(&N)\tCtrl+PgDn",
    u"第一首(&F)\tAlt+Home",
    u"第末首(&L)\tAlt+End",
    u"随机一首(&R)\tCtrl+R",
    u"",
    u"放大(&I)\tCtrl+=",
    u"缩小(&O)\tCtrl+-",
    u"原始大小(&Z)\tCtrl+0",
    u"",
    u"查询(&S)…\tCtrl+F",
    u"打印(&P)…\tCtrl+P",
    u"关于(&B)\tF1",
    u"",
    u"竖排(&V)\tF8",
};

void ExpectInformation(const MessageBoxCatcher::Seen& box, HWND owner, std::u16string_view text) {
    EXPECT_EQ(box.Text, text);
    EXPECT_EQ(box.Caption, u"鹭溪吟窗");
    EXPECT_EQ(box.Owner, owner);
    EXPECT_TRUE(box.InformationIcon);
    EXPECT_EQ(box.Buttons, 1);
    EXPECT_TRUE(box.OkButton);
    EXPECT_TRUE(box.EnabledTopLevel.empty()) << "the box is modal to the whole program";
}

// The four ways through the anthology, as a button, a key and a menu item each.
struct Step {
    int Button;
    UINT Key;
    bool Alt;
    std::u16string_view Item;
};
constexpr Step First{cmdMoveFirst, VK_HOME, true, u"第一首"};
constexpr Step Previous{cmdMovePrev, VK_PRIOR, false, u"上一首"};
constexpr Step Next{cmdMoveNext, VK_NEXT, false, u"下一首"};
constexpr Step Last{cmdMoveLast, VK_END, true, u"第末首"};

class ReaderKeys : public ReaderFixture {
protected:
    void SetUp() override { StartWithUtf8(ThreePoems); }
    HWND Page() const { return ReaderControl(RichText1); }
    // Chooses the menu item that starts with `start` with the down arrow and Enter.
    void Choose(std::u16string_view start) {
        std::vector<UINT> keys;
        for (const std::u16string& item : MenuItems) {
            keys.insert(keys.end(), item.empty() ? 0 : 1, VK_DOWN);
            if (!item.empty() && item.starts_with(start)) {
                keys.push_back(VK_RETURN);
                RightClickMenu(Page(), keys);
                return;
            }
        }
        ADD_FAILURE() << "no item starts so";
    }
};

template <UINT Key, bool Shift> void PressOnFocus(void*) {
    PressChord(Key, false, Shift);
}

} // namespace

// By the buttons, by the keys from each control that takes the focus, and by the page's menu,
// the steps lead to the same poems with the same messages.
TEST_F(ReaderKeys, ButtonsKeysFromEveryControlAndTheMenuStepAlikeWithTheirMessages) {
    MessageBoxCatcher catcher;
    OpenSearch(); // the search window is open too, and must be disabled as well
    std::vector<std::pair<std::string, std::function<void(const Step&)>>> ways = {
        {"button",
         [this](const Step& step) {
             Click(ReaderControl(step.Button));
         }},
        {"menu", [this](const Step& step) {
             Choose(step.Item);
         }}};
    for (const int focus : {RichText1, cboTang, cmdMoveNext, Command1}) {
        ways.emplace_back("key on " + std::to_string(focus), [this, focus](const Step& step) {
            SetFocus(ReaderControl(focus));
            PressChord(step.Key, !step.Alt, false, step.Alt);
        });
    }
    // Each step, the poem it leads to, and the message it shows, if any.
    const std::tuple<Step, int, std::u16string_view> steps[] = {
        {Previous, 0, texts::FirstPoemMessage}, {Next, 1, {}},     {Last, 2, {}},
        {Next, 2, texts::LastPoemMessage},      {Previous, 1, {}}, {First, 0, {}}};
    size_t boxes = 0;
    for (const auto& [way, take] : ways) {
        for (const auto& [step, poem, message] : steps) {
            take(step);
            boxes += message.empty() ? 0 : 1;
            ASSERT_EQ(catcher.Boxes().size(), boxes) << way << " " << step.Button;
            if (!message.empty()) {
                ExpectInformation(catcher.Boxes().back(), reader->Handle(), message);
            }
            ExpectShowing(poem);
        }
    }
    EXPECT_TRUE(IsWindowEnabled(Search().Handle()));

    // The menu's other commands, and the About box on F1 and its button.
    Choose(u"随机一首");
    EXPECT_NE(shared.CurrentIndex, 0);
    ExpectShowing(shared.CurrentIndex);
    Choose(u"放大");
    Choose(u"放大");
    Choose(u"缩小");
    EXPECT_EQ(PageZoom(), 110);
    Search().Hide();
    Choose(u"查询");
    EXPECT_TRUE(IsWindowVisible(Search().Handle()));
    Choose(u"关于");
    Click(ReaderControl(Command1));
    SetFocus(ReaderControl(cboTang));
    PressChord(VK_F1, false);
    ASSERT_EQ(catcher.Boxes().size(), boxes + 3);
    for (size_t i = boxes; i < boxes + 3; ++i) {
        ExpectInformation(
            catcher.Boxes()[i], reader->Handle(),
            u"鹭溪青简雅韵集\r\n\r\nluxi@example.org\r\n\r\n网址：https://www.example.org/luxi");
    }
}

// A right-click, Shift+F10 and the Menu key open it; the keys, at the caret.
TEST_F(ReaderKeys, TheMenuListsTheCommandsWithTheirKeysAfterCopyAndSelectAll) {
    const MenuSeen seen = RightClickMenu(Page());
    EXPECT_EQ(seen.Items, MenuItems);
    std::vector<bool> greyed(MenuItems.size(), false);
    for (size_t i = 0; i < MenuItems.size(); ++i) {
        greyed[i] = MenuItems[i].empty(); // the separators
    }
    greyed[0] = true; // 复制, with nothing selected
    EXPECT_EQ(seen.Greyed, greyed);

    SetFocus(Page());
    SendMessageW(Page(), EM_SETSEL, 2, 2); // the start of the author line
    POINT caret{};
    SendMessageW(Page(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&caret), 2);
    ClientToScreen(Page(), &caret);
    for (const auto open : {PressOnFocus<VK_F10, true>, PressOnFocus<VK_APPS, false>}) {
        const MenuSeen atCaret = WatchMenu(open, nullptr, {});
        ASSERT_EQ(atCaret.Items, MenuItems);
        EXPECT_NEAR(atCaret.At.x, caret.x, 2);
        EXPECT_NEAR(atCaret.At.y, caret.y, 2);
    }
}

// Ctrl+Home and Ctrl+End still move the page's caret; arrows still move it too.
TEST_F(ReaderKeys, LeaveThePagesOwnKeysToIt) {
    MessageBoxCatcher catcher;
    SetFocus(Page());
    SendMessageW(Page(), EM_SETSEL, 3, 3);
    CHARRANGE caret{};
    PressChord(VK_HOME, true);
    SendMessageW(Page(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    EXPECT_EQ(caret.cpMin, 0);
    PressChord(VK_END, true);
    SendMessageW(Page(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    EXPECT_GT(caret.cpMin, 3);
    PressChord(VK_NEXT, false);
    PressChord(VK_RIGHT, false);
    ExpectShowing(0);
    EXPECT_TRUE(catcher.Boxes().empty());
}

TEST_F(ReaderKeys, CtrlFBringsTheSearchWindowWithTheFocusInTheAuthorBox) {
    TypeText(SearchControl(cboAuthor), u"乙");
    SetFocus(Page());
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
}

TEST_F(ReaderKeys, CtrlRShowsAnotherPoemEachTimeAndTheButtonsStepOnFromIt) {
    std::set<int> seen;
    for (int press = 0; press < 20; ++press) {
        const int before = shared.CurrentIndex;
        SetFocus(ReaderControl(press % 2 == 0 ? RichText1 : cmdMovePrev));
        PressChord('R', true);
        ASSERT_NE(shared.CurrentIndex, before) << "press " << press;
        ExpectShowing(shared.CurrentIndex);
        seen.insert(shared.CurrentIndex);
    }
    EXPECT_EQ(seen.size(), 3u);
    const int chosen = shared.CurrentIndex;
    Click(ReaderControl(chosen < 2 ? cmdMoveNext : cmdMovePrev));
    ExpectShowing(chosen < 2 ? chosen + 1 : 1);
}
