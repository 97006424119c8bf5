#include "ReaderFixture.h"

#include "ReaderLayout.h"

#include <richedit.h>

namespace {

class PageZoomKeys : public ReaderFixture {
protected:
    void SetUp() override { StartWithUtf8(ThreePoems); }
    HWND Page() const { return ReaderControl(RichText1); }

    void Wheel(HWND target, int delta, bool ctrl) {
        POINT centre{20, 20};
        ClientToScreen(Page(), &centre);
        SendMessageW(target, WM_MOUSEWHEEL, MAKEWPARAM(ctrl ? MK_CONTROL : 0, delta),
                     MAKELPARAM(centre.x, centre.y));
        ui::DispatchPendingMessages();
    }
    // How far down the page the second line (the author) starts, in pixels.
    int SecondLineTop() const {
        UpdateWindow(Page()); // a control may lay its text out again only when it paints
        POINT at{};
        SendMessageW(Page(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), 2);
        return at.y;
    }
};

} // namespace

// Ctrl+=, Ctrl++ (with Shift), the keypad's +, from the page and from the poem list, and Ctrl
// with the wheel over the page.
TEST_F(PageZoomKeys, KeysAndCtrlWheelStepByTenWithinFiftyAndFourHundredFromAnyControl) {
    EXPECT_EQ(PageZoom(), 100);
    const int lineAt100 = SecondLineTop();
    SetFocus(Page());
    PressChord(VK_OEM_PLUS, true);
    EXPECT_EQ(PageZoom(), 110);
    PressChord(VK_OEM_PLUS, true, true);
    EXPECT_EQ(PageZoom(), 120);
    SetFocus(ReaderControl(cboTang));
    PressChord(VK_ADD, true);
    EXPECT_EQ(PageZoom(), 130);
    PressChord(VK_OEM_MINUS, true);
    PressChord(VK_SUBTRACT, true);
    EXPECT_EQ(PageZoom(), 110);
    PressChord('0', true);
    EXPECT_EQ(PageZoom(), 100);
    for (int press = 0; press < 10; ++press) {
        PressChord(VK_OEM_MINUS, true);
    }
    EXPECT_EQ(PageZoom(), 50);
    PressChord(VK_NUMPAD0, true);
    EXPECT_EQ(PageZoom(), 100);
    EXPECT_EQ(ui::WindowText(ReaderControl(cboTang)), ListEntry(0)) << "the list kept its text";

    Wheel(Page(), 120, true);
    EXPECT_EQ(PageZoom(), 110);
    Wheel(Page(), 60, true); // half a notch of a finer wheel, then the other half
    EXPECT_EQ(PageZoom(), 110);
    Wheel(Page(), 60, true);
    EXPECT_EQ(PageZoom(), 120);
    Wheel(Page(), -240, true);
    EXPECT_EQ(PageZoom(), 100);
    for (int notch = 0; notch < 40; ++notch) {
        Wheel(Page(), 120, true);
    }
    EXPECT_EQ(PageZoom(), 400);
    EXPECT_NEAR(SecondLineTop(), lineAt100 * 4, 8) << "the page is drawn four times as large";
    PressChord(VK_OEM_MINUS, true);
    EXPECT_EQ(PageZoom(), 390) << "keys go on from where the wheel left the size";
    // The wheel with the focus on a button, over the page, sizes the page.
    SetFocus(ReaderControl(cmdMoveNext));
    MSG turn{ReaderControl(cmdMoveNext), WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -120), 0, 0, {}};
    POINT centre{20, 20};
    ClientToScreen(Page(), &centre);
    turn.lParam = MAKELPARAM(centre.x, centre.y);
    if (WindowFromPoint(centre) == Page()) { // only when no other window covers the page
        EXPECT_TRUE(ui::PreTranslateMessage(turn));
        EXPECT_EQ(PageZoom(), 380);
    }
    Wheel(Page(), -120, false); // without Ctrl the wheel scrolls, as before
    EXPECT_EQ(PageZoom(), WindowFromPoint(centre) == Page() ? 380 : 390);
    PressChord('0', true);
    EXPECT_EQ(SecondLineTop(), lineAt100);
}
