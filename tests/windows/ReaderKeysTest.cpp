#include "MessageBoxCatcher.h"
#include "ReaderFixture.h"

#include "Controls.h"
#include "ProgramTexts.h"
#include "ReaderCommands.h"
#include "ReaderLayout.h"
#include "SearchLayout.h"

#include <functional>
#include <richedit.h>

namespace {

// The page's menu as the command table describes it, a separator between two groups.
std::vector<std::u16string> MenuItems() {
    std::vector<std::u16string> items;
    int group = ReaderCommands().front().MenuGroup;
    for (const ReaderCommand& command : ReaderCommands()) {
        if (command.MenuText != nullptr) {
            if (command.MenuGroup != group) {
                items.emplace_back();
                group = command.MenuGroup;
            }
            const std::wstring text = MenuItemText(command);
            items.emplace_back(text.begin(), text.end());
        }
    }
    return items;
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
    void Wheel(int delta, bool ctrl) {
        SendMessageW(Page(), WM_MOUSEWHEEL, MAKEWPARAM(ctrl ? MK_CONTROL : 0, delta), 0);
        ui::DispatchPendingMessages();
    }
    // Chooses the menu item that starts with `start` with the down arrow and Enter.
    void Choose(std::u16string_view start) {
        std::vector<UINT> keys;
        for (const std::u16string& item : MenuItems()) {
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

void PressEnterOn(HWND control) {
    SetFocus(control);
    PressKey(VK_RETURN);
}

HWND watched = nullptr;
int dragsStarted = 0;

// Counts every WM_NCLBUTTONDOWN on the caption or SC_MOVE that starts a drag of `watched`.
LRESULT CALLBACK WatchDrags(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->hwnd == watched &&
        ((sent->message == WM_NCLBUTTONDOWN && sent->wParam == HTCAPTION) ||
         (sent->message == WM_SYSCOMMAND && (sent->wParam & 0xFFF0) == SC_MOVE))) {
        ++dragsStarted;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// How many moves of `form` the mouse messages sent by `press` start.
template <typename Press> int DragsDuring(HWND form, Press press) {
    watched = form;
    dragsStarted = 0;
    const UniqueHook hook = HookThisThread(WH_CALLWNDPROC, WatchDrags);
    // The system's move loop reads these from the queue and stops; no real button is held.
    PostMessageW(form, WM_LBUTTONUP, 0, 0);
    PostMessageW(form, WM_KEYDOWN, VK_ESCAPE, 1);
    press();
    ui::DispatchPendingMessages();
    return dragsStarted;
}

// Presses and releases the left button at a point of `form`'s client area. The system decides
// which window gets the press, as it does for the user's mouse: a control that lets presses
// through leaves it to the window below.
int DragsFromPressAt(HWND form, POINT at) {
    ClientToScreen(form, &at);
    HWND target = WindowFromPoint(at);
    ScreenToClient(target, &at);
    return DragsDuring(form, [&] {
        SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        SendMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    });
}

POINT CentreOf(HWND control) {
    const RECT rect = RectInParent(control);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void PressShiftF10(void*) {
    PressChord(VK_F10, false, true);
}

} // namespace

// By the buttons, by the keys from the page and the poem list, and by the page's menu, the
// steps lead to the same poems with the same messages.
TEST_F(ReaderKeys, ButtonsKeysAndTheMenuStepAlikeWithTheirMessages) {
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
    for (const int focus : {RichText1, cboTang}) {
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
                const MessageBoxCatcher::Seen& box = catcher.Boxes().back();
                EXPECT_EQ(box.Text, message);
                EXPECT_EQ(box.Caption, u"鹭溪吟窗");
                EXPECT_EQ(box.Owner, reader->Handle());
                EXPECT_TRUE(box.InformationIcon);
                EXPECT_TRUE(box.Buttons == 1 && box.OkButton);
                EXPECT_TRUE(box.EnabledTopLevel.empty()) << "modal to the whole program";
            }
            ExpectShowing(poem);
        }
    }
    EXPECT_TRUE(IsWindowEnabled(Search().Handle()));

    // The menu's other commands, Ctrl+R, and the About box on F1.
    Choose(u"随机一首");
    EXPECT_NE(shared.CurrentIndex, 0);
    for (int press = 0; press < 6; ++press) {
        const int before = shared.CurrentIndex;
        PressChord('R', true);
        ASSERT_NE(shared.CurrentIndex, before) << "press " << press;
        ExpectShowing(shared.CurrentIndex);
    }
    Choose(u"放大");
    Choose(u"放大");
    Choose(u"缩小");
    EXPECT_EQ(PageZoom(), 110);
    Search().Hide();
    Choose(u"查询");
    EXPECT_TRUE(IsWindowVisible(Search().Handle()));
    Choose(u"关于");
    SetFocus(ReaderControl(cboTang));
    PressChord(VK_F1, false);
    ASSERT_EQ(catcher.Boxes().size(), boxes + 2);
    for (size_t i = boxes; i < boxes + 2; ++i) {
        EXPECT_EQ(
            catcher.Boxes()[i].Text,
            u"鹭溪青简雅韵集\r\n\r\nluxi@example.org\r\n\r\n网址：https://www.example.org/luxi");
        EXPECT_TRUE(catcher.Boxes()[i].InformationIcon);
    }
}

// A right-click and Shift+F10 (at the caret) open it; the page keeps Ctrl+Home and Ctrl+End,
// and Ctrl+F brings the search window with the focus in the author box.
TEST_F(ReaderKeys, TheMenuListsTheCommandsAndThePageKeepsItsOwnKeys) {
    MessageBoxCatcher catcher;
    const MenuSeen seen = RightClickMenu(Page());
    ASSERT_EQ(seen.Items, MenuItems());
    EXPECT_EQ(seen.Items.front(), u"复制(&C)");
    for (size_t i = 0; i < seen.Items.size(); ++i) {
        EXPECT_EQ(seen.Greyed[i], i == 0 || seen.Items[i].empty()) << "复制 needs a selection";
    }
    SetFocus(Page());
    SendMessageW(Page(), EM_SETSEL, 2, 2); // the start of the author line
    POINT caret{};
    SendMessageW(Page(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&caret), 2);
    ClientToScreen(Page(), &caret);
    const MenuSeen atCaret = WatchMenu(PressShiftF10, nullptr, {});
    ASSERT_EQ(atCaret.Items, seen.Items);
    EXPECT_NEAR(atCaret.At.x, caret.x, 2);
    EXPECT_NEAR(atCaret.At.y, caret.y, 2);

    CHARRANGE range{};
    PressChord(VK_HOME, true);
    SendMessageW(Page(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range.cpMin, 0);
    PressChord(VK_END, true);
    SendMessageW(Page(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    EXPECT_GT(range.cpMin, 3);
    PressChord(VK_NEXT, false);
    ExpectShowing(0);
    EXPECT_TRUE(catcher.Boxes().empty());

    TypeText(SearchControl(cboAuthor), u"乙");
    PressChord('F', true);
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

// Ctrl+= and Ctrl++ (with Shift) on the page, Ctrl+- and Ctrl+0 from the poem list, and Ctrl
// with the wheel over the page.
TEST_F(ReaderKeys, KeysAndCtrlWheelStepByTenWithinFiftyAndFourHundredFromAnyControl) {
    SetFocus(Page());
    PressChord(VK_OEM_PLUS, true);
    PressChord(VK_OEM_PLUS, true, true);
    EXPECT_EQ(PageZoom(), 120);
    SetFocus(ReaderControl(cboTang));
    PressChord(VK_OEM_MINUS, true);
    EXPECT_EQ(PageZoom(), 110);
    PressChord('0', true);
    EXPECT_EQ(PageZoom(), 100);
    for (int press = 0; press < 10; ++press) {
        PressChord(VK_OEM_MINUS, true);
    }
    EXPECT_EQ(PageZoom(), 50);
    PressChord('0', true);
    EXPECT_EQ(ui::WindowText(ReaderControl(cboTang)), ListEntry(0)) << "the list kept its text";

    Wheel(60, true); // half a notch of a finer wheel, then the other half
    EXPECT_EQ(PageZoom(), 100);
    Wheel(60, true);
    EXPECT_EQ(PageZoom(), 110);
    for (int notch = 0; notch < 40; ++notch) {
        Wheel(120, true);
    }
    EXPECT_EQ(PageZoom(), 400);
    PressChord(VK_OEM_MINUS, true);
    EXPECT_EQ(PageZoom(), 390) << "keys go on from where the wheel left the size";
    Wheel(-120, false); // without Ctrl the wheel scrolls
    EXPECT_EQ(PageZoom(), 390);
    // The wheel with the focus on a button, over the page, sizes the page.
    POINT over{20, 20};
    ClientToScreen(Page(), &over);
    if (WindowFromPoint(over) == Page()) { // no other window over the page
        MSG turn{ReaderControl(cmdMoveNext),
                 WM_MOUSEWHEEL,
                 MAKEWPARAM(MK_CONTROL, -120),
                 MAKELPARAM(over.x, over.y),
                 0,
                 {}};
        EXPECT_TRUE(ui::PreTranslateMessage(turn));
        EXPECT_EQ(PageZoom(), 380);
    }
}

// Enter on a focused button presses it, in both windows; no button becomes the default, and
// Escape closes nothing.
TEST_F(ReaderKeys, EnterOnAFocusedButtonPressesItAndMakesNoDefault) {
    OpenSearch();
    PressEnterOn(SearchControl(cmdSearch));
    EXPECT_EQ(Search().Results().ListCount(), 3);
    Search().Results().Clear();
    PressEnterOn(SearchControl(txtTitle)); // the button pressed last has not become the default
    PressKey(VK_ESCAPE);
    EXPECT_EQ(Search().Results().ListCount(), 0);
    EXPECT_TRUE(IsWindowVisible(Search().Handle())) << "Escape does not close";
    PressEnterOn(SearchControl(cmdCancel));
    EXPECT_FALSE(IsWindowVisible(Search().Handle()));

    PressEnterOn(ReaderControl(cmdMoveLast));
    EXPECT_EQ(shared.CurrentIndex, 2);
    PressEnterOn(ReaderControl(cboTang));
    PressKey(VK_ESCAPE);
    EXPECT_EQ(shared.CurrentIndex, 2);
    EXPECT_TRUE(IsWindowVisible(reader->Handle()));
    PressEnterOn(ReaderControl(Command3));
    EXPECT_TRUE(programEnded);
}

// Both windows drag from their background only, the reader also inside the outlines, never
// from a label or the group box.
TEST_F(ReaderKeys, WindowsDragFromTheBackgroundOnly) {
    HWND form = reader->Handle();
    // The background below Exit, inside Shape1 beside About, inside Shape2 beside the proverb.
    for (const POINT at : {POINT{470, 430}, POINT{403, 35}, POINT{402, 300}}) {
        EXPECT_GT(DragsFromPressAt(form, at), 0) << at.x << "," << at.y;
    }

    OpenSearch();
    form = Search().Handle();
    EXPECT_EQ(DragsFromPressAt(form, {12, 250}), 0) << "the group box, beside 标题：";
    EXPECT_EQ(DragsFromPressAt(form, CentreOf(SearchControl(SearchLabel3))), 0) << "couplet";
    EXPECT_GT(DragsFromPressAt(form, {10, 360}), 0) << "the background left of the couplet";
}
