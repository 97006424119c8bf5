#include "MessageBoxCatcher.h"
#include "ReaderFixture.h"

#include "Controls.h"
#include "ProgramTexts.h"
#include "ReaderCommands.h"
#include "ReaderLayout.h"
#include "SearchLayout.h"

#include <filesystem>
#include <functional>
#include <set>

namespace {

// The page's menu as the command table describes it, an empty item for a separator.
std::vector<std::u16string> MenuItems() {
    std::vector<std::u16string> items;
    for (const ReaderCommand* command : PageMenu()) {
        const std::wstring text = command != nullptr ? MenuItemText(*command) : L"";
        items.emplace_back(text.begin(), text.end());
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

// How many moves of `form` a press and release of the left button at a point of its client area
// starts. The system decides which window gets the press, as it does for the user's mouse: a
// control that lets presses through leaves it to the window below.
int DragsFromPressAt(HWND form, POINT at) {
    watched = form;
    dragsStarted = 0;
    const UniqueHook hook = HookThisThread(WH_CALLWNDPROC, WatchDrags);
    // The system's move loop reads these from the queue and stops; no real button is held.
    PostMessageW(form, WM_LBUTTONUP, 0, 0);
    PostMessageW(form, WM_KEYDOWN, VK_ESCAPE, 1);
    ClientToScreen(form, &at);
    HWND target = WindowFromPoint(at);
    ScreenToClient(target, &at);
    SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    ui::DispatchPendingMessages();
    return dragsStarted;
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
                EXPECT_TRUE(box.InformationAndOk);
            }
            ExpectShowing(poem);
        }
    }
    EXPECT_TRUE(IsWindowEnabled(Search().Handle()));

    // The menu's other commands, Ctrl+R, and the About box on F1.
    Choose(u"随机一首");
    EXPECT_NE(shared.CurrentIndex, 0);
    const int before = shared.CurrentIndex;
    PressChord('R', true);
    EXPECT_NE(shared.CurrentIndex, before);
    Choose(u"放大");
    EXPECT_EQ(PageZoom(), 110);
    Choose(u"关于");
    SetFocus(ReaderControl(cboTang));
    PressChord(VK_F1, false);
    ASSERT_EQ(catcher.Boxes().size(), boxes + 2);
    EXPECT_EQ(catcher.Boxes()[boxes].Text, catcher.Boxes()[boxes + 1].Text);
    EXPECT_EQ(catcher.Boxes()[boxes].Text,
              u"鹭溪青简雅韵集\r\n\r\nluxi@example.org\r\n\r\n网址：https://www.example.org/luxi");
}

// A right-click opens it; Ctrl+F brings the search window with the focus in the author box.
TEST_F(ReaderKeys, TheMenuListsTheCommandsAndThePageKeepsItsOwnKeys) {
    MessageBoxCatcher catcher;
    const MenuSeen seen = RightClickMenu(Page());
    ASSERT_EQ(seen.Items, MenuItems());
    EXPECT_EQ(seen.Items.front(), u"复制(&C)");
    for (size_t i = 0; i < seen.Items.size(); ++i) {
        EXPECT_EQ(seen.Greyed[i], i == 0 || seen.Items[i].empty()) << "复制 needs a selection";
    }
    EXPECT_TRUE(catcher.Boxes().empty());

    TypeText(SearchControl(cboAuthor), u"乙");
    PressChord('F', true);
    EXPECT_EQ(GetForegroundWindow(), Search().Handle());
    HWND focused = GetFocus();
    EXPECT_TRUE(focused == SearchControl(cboAuthor) ||
                GetParent(focused) == SearchControl(cboAuthor));
    EXPECT_EQ(ui::WindowText(SearchControl(cboAuthor)), u"乙") << "kept as the user left it";
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
}

// Ctrl+; from any control, and the menu, open the poem of the day: the same on every start of a
// day, and every poem on one of as many days in a row as there are poems. Nothing is written.
TEST_F(ReaderKeys, ThePoemOfTheDayStaysAllDayAndEveryPoemHasItsDay) {
    const auto poemOn = [this](int64_t day, bool byMenu) {
        reader.reset(); // a start of the program on that day
        shared = Module1{};
        StartWithUtf8(ThreePoems);
        reader->SetClock([day] { return day; });
        if (byMenu) {
            Choose(u"今日一首");
        } else {
            SetFocus(ReaderControl(cboTang));
            PressChord(VK_OEM_1, true);
        }
        return shared.CurrentIndex;
    };
    std::set<int> poems;
    for (int64_t day = 20795; day < 20798; ++day) { // 2026-12-08 and the two days after
        const int poem = poemOn(day, false);
        EXPECT_EQ(poemOn(day, true), poem) << "another start of the same day, by the menu";
        ExpectShowing(poem);
        poems.insert(poem);
    }
    EXPECT_EQ(poems.size(), 3u);
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files.push_back(entry.path().filename());
    }
    EXPECT_EQ(files, std::vector<std::filesystem::path>{"ts.txt"});
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

// The windows drag from their background, not from a label.
TEST_F(ReaderKeys, WindowsDragFromTheBackgroundOnly) {
    EXPECT_GT(DragsFromPressAt(reader->Handle(), {470, 430}), 0) << "below Exit";
    OpenSearch();
    const RECT couplet = RectInParent(SearchControl(SearchLabel3));
    EXPECT_EQ(DragsFromPressAt(Search().Handle(), {(couplet.left + couplet.right) / 2,
                                                   (couplet.top + couplet.bottom) / 2}),
              0);
}
