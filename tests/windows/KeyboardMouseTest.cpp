#include "ReaderFixture.h"

#include "Controls.h"
#include "ReaderLayout.h"
#include "SearchLayout.h"

namespace {

class KeyboardAndMouse : public ReaderFixture {
protected:
    void SetUp() override { StartWithUtf8(ThreePoems); }
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

} // namespace

// Enter on a focused button presses it, in both windows; no button becomes the default, and
// Escape closes nothing.
TEST_F(KeyboardAndMouse, EnterOnAFocusedButtonPressesItAndMakesNoDefault) {
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
TEST_F(KeyboardAndMouse, WindowsDragFromTheBackgroundOnly) {
    HWND form = reader->Handle();
    const LPARAM background = MAKELPARAM(470, 430);
    const auto otherButtons = [&] {
        SendMessageW(form, WM_RBUTTONDOWN, MK_RBUTTON, background);
        SendMessageW(form, WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, background);
        SendMessageW(form, WM_MBUTTONDOWN, MK_MBUTTON, background);
    };
    EXPECT_EQ(DragsDuring(form, otherButtons), 0) << "only the left button alone drags";
    EXPECT_EQ(DragsFromPressAt(form, CentreOf(ReaderControl(Label2))), 0) << "the proverb";
    // The background below Exit, inside Shape1 beside About, inside Shape2 beside the proverb.
    for (const POINT at : {POINT{470, 430}, POINT{403, 35}, POINT{402, 300}}) {
        EXPECT_GT(DragsFromPressAt(form, at), 0) << at.x << "," << at.y;
    }

    OpenSearch();
    form = Search().Handle();
    HWND focus = GetFocus();
    EXPECT_EQ(DragsFromPressAt(form, {12, 250}), 0) << "the group box, beside 标题：";
    EXPECT_EQ(GetFocus(), focus) << "a press on the group box leaves the focus alone";
    EXPECT_EQ(DragsFromPressAt(form, CentreOf(SearchControl(SearchLabel3))), 0) << "couplet";
    EXPECT_GT(DragsFromPressAt(form, {10, 360}), 0) << "the background left of the couplet";
}
