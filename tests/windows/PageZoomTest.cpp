#include "ReaderFixture.h"

#include "ReaderLayout.h"

#include <richedit.h>

namespace {

class PageZoomKeys : public ReaderFixture {
protected:
    void SetUp() override { StartWithUtf8(ThreePoems); }
    HWND Page() const { return ReaderControl(RichText1); }
    POINT Over() const { // a point over the page, on the screen
        POINT centre{20, 20};
        ClientToScreen(Page(), &centre);
        return centre;
    }
    void Wheel(int delta, bool ctrl) {
        SendMessageW(Page(), WM_MOUSEWHEEL, MAKEWPARAM(ctrl ? MK_CONTROL : 0, delta),
                     MAKELPARAM(Over().x, Over().y));
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

// Ctrl+= and Ctrl++ (with Shift) on the page, Ctrl+- and Ctrl+0 from the poem list, and Ctrl
// with the wheel over the page.
TEST_F(PageZoomKeys, KeysAndCtrlWheelStepByTenWithinFiftyAndFourHundredFromAnyControl) {
    const int lineAt100 = SecondLineTop();
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
    EXPECT_NEAR(SecondLineTop(), lineAt100 * 4, 8) << "the page is drawn four times as large";
    PressChord(VK_OEM_MINUS, true);
    EXPECT_EQ(PageZoom(), 390) << "keys go on from where the wheel left the size";
    // The wheel with the focus on a button, over the page, sizes the page.
    SetFocus(ReaderControl(cmdMoveNext));
    const POINT over = Over();
    MSG turn{ReaderControl(cmdMoveNext),
             WM_MOUSEWHEEL,
             MAKEWPARAM(MK_CONTROL, -120),
             MAKELPARAM(over.x, over.y),
             0,
             {}};
    const bool uncovered = WindowFromPoint(over) == Page(); // no other window over the page
    if (uncovered) {
        EXPECT_TRUE(ui::PreTranslateMessage(turn));
        EXPECT_EQ(PageZoom(), 380);
    }
    Wheel(-120, false); // without Ctrl the wheel scrolls, as before
    EXPECT_EQ(PageZoom(), uncovered ? 380 : 390);
    PressChord('0', true);
    EXPECT_EQ(SecondLineTop(), lineAt100);
}
