#include "Painted.h"
#include "ReaderFixture.h"

#include "ButtonPainter.h"
#include "Controls.h"
#include "PictureScaling.h"
#include "ReaderLayout.h"
#include "SearchLayout.h"

#include <algorithm>

namespace {

constexpr COLORREF Grey = RGB(173, 173, 173);

class Looks : public ReaderFixture {
protected:
    void SetUp() override { StartWithUtf8(ThreePoems); }
};

// The width of an icon, in pixels.
LONG IconWidth(HICON icon) {
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) {
        return 0;
    }
    BITMAP description{};
    GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof description,
               &description);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return description.bmWidth;
}

// The columns of the left half of `button` where either of its two middle rows differs from
// the face, up to `to`: the edge, then the focus rectangle, whose dots may alternate between
// the rows.
std::vector<int> MarkedColumns(HWND button, int to) {
    const Painted painted(button, PRF_CLIENT);
    const LONG y = painted.Client().bottom / 2;
    std::vector<int> marked;
    for (LONG x = 0; x < std::min<LONG>(to, painted.Client().right / 2); ++x) {
        if (painted.At(x, y) != Grey || painted.At(x, y + 1) != Grey) {
            marked.push_back(static_cast<int>(x));
        }
    }
    return marked;
}

std::vector<int> Columns(int from, int to) {
    std::vector<int> columns;
    for (int x = from; x < to; ++x) {
        columns.push_back(x);
    }
    return columns;
}

} // namespace

// Pictures grow with the buttons and stay centred and clipped; edges, the focus rectangle and
// the window's icons grow with the DPI.
TEST_F(Looks, PicturesEdgesFocusAndIconsGrowWithTheDpi) {
    struct Expected {
        int Id;
        SIZE At96; // the picture's size at 96 DPI
    };
    const Expected buttons[] = {{Command1, {38, 39}}, {Command2, {56, 39}}, {Command3, {40, 38}}};
    HWND mover = ReaderControl(cmdMoveFirst);
    for (const int dpi : {96, 144, 192}) {
        MoveToDpi(dpi);
        SetFocus(ReaderControl(RichText1)); // no focus rectangle on the buttons
        for (const Expected& button : buttons) {
            HWND window = ReaderControl(button.Id);
            RECT face{};
            GetClientRect(window, &face);
            const int edge = 2 * ui::EdgeLineWidth(dpi);
            InflateRect(&face, -edge, -edge);                           // inside the raised edge
            const COLORREF workspace = GetSysColor(COLOR_APPWORKSPACE); // the picture's background
            const RECT picture =
                Painted(window).Bounds(face, [&](COLORREF c) { return c != workspace; });
            const LONG width =
                std::min<LONG>(MulDiv(button.At96.cx, dpi, 96), face.right - face.left);
            const LONG height =
                std::min<LONG>(MulDiv(button.At96.cy, dpi, 96), face.bottom - face.top);
            EXPECT_NEAR(picture.right - picture.left, width, 1) << button.Id << " at " << dpi;
            EXPECT_NEAR(picture.bottom - picture.top, height, 1) << button.Id << " at " << dpi;
            EXPECT_NEAR(picture.left + picture.right, face.left + face.right, 1) << button.Id;
            EXPECT_NEAR(picture.top + picture.bottom, face.top + face.bottom, 1) << button.Id;
        }
        const int line = MulDiv(1, dpi, 96);
        EXPECT_EQ(MarkedColumns(mover, 7 * line), Columns(0, 2 * line)) << "raised at " << dpi;
        SendMessageW(mover, BM_SETSTATE, TRUE, 0);
        EXPECT_EQ(MarkedColumns(mover, 7 * line), Columns(0, 2 * line)) << "pressed at " << dpi;
        SendMessageW(mover, BM_SETSTATE, FALSE, 0);
        SetFocus(mover);
        std::vector<int> focused = Columns(0, 2 * line);
        for (const int x : Columns(4 * line, 5 * line)) {
            focused.push_back(x);
        }
        EXPECT_EQ(MarkedColumns(mover, 7 * line), focused) << "the focus rectangle at " << dpi;
        for (const auto& [which, at96] : {std::pair<WPARAM, int>{ICON_SMALL, 16}, {ICON_BIG, 32}}) {
            const auto icon = SendMessageW(reader->Handle(), WM_GETICON, which, 0);
            EXPECT_EQ(IconWidth(reinterpret_cast<HICON>(icon)), at96 * dpi / 96) << dpi;
        }
    }
}

TEST(PictureScaling, EnlargingBlendsNeighboursAndShrinkingAveragesThem) {
    const ui::Pixels blackWhite{2, 1, {0x000000, 0xFFFFFF}};
    const ui::Pixels wide = ui::ScaleSmoothly(blackWhite, 4, 1);
    ASSERT_EQ(wide.Values.size(), 4u);
    EXPECT_EQ(wide.Values.front(), 0x000000u);
    EXPECT_EQ(wide.Values.back(), 0xFFFFFFu);
    for (size_t i = 1; i < wide.Values.size(); ++i) {
        EXPECT_LT(wide.Values[i - 1] & 0xFF, wide.Values[i] & 0xFF) << "no repeated pixels";
    }
    const ui::Pixels stripes{4, 1, {0x000000, 0xFFFFFF, 0x000000, 0xFFFFFF}};
    for (const uint32_t value : ui::ScaleSmoothly(stripes, 2, 1).Values) {
        for (const int shift : {0, 8, 16}) {
            EXPECT_GT((value >> shift) & 0xFF, 64u) << "grey, not one of the stripes";
            EXPECT_LT((value >> shift) & 0xFF, 192u);
        }
    }
}
