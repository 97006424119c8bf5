#include "Painted.h"
#include "ReaderFixture.h"

#include "ButtonPainter.h"
#include "Controls.h"
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

} // namespace

// At 200 % the pictures grow with the buttons and stay centred; edges, the focus rectangle and
// the window's icons grow too.
TEST_F(Looks, PicturesEdgesFocusAndIconsGrowWithTheDpi) {
    const int dpi = 192;
    MoveToDpi(dpi);
    SetFocus(ReaderControl(RichText1)); // no focus rectangle on the buttons
    HWND about = ReaderControl(Command1);
    RECT face{};
    GetClientRect(about, &face);
    const int edge = 2 * ui::EdgeLineWidth(dpi);
    InflateRect(&face, -edge, -edge);                           // inside the raised edge
    const COLORREF workspace = GetSysColor(COLOR_APPWORKSPACE); // the picture's background
    const RECT picture = Painted(about).Bounds(face, [&](COLORREF c) { return c != workspace; });
    EXPECT_NEAR(picture.right - picture.left, std::min<LONG>(38 * 2, face.right - face.left), 1);
    EXPECT_NEAR(picture.bottom - picture.top, std::min<LONG>(39 * 2, face.bottom - face.top), 1);
    EXPECT_NEAR(picture.left + picture.right, face.left + face.right, 1);
    EXPECT_NEAR(picture.top + picture.bottom, face.top + face.bottom, 1);

    HWND mover = ReaderControl(cmdMoveFirst);
    const std::vector<int> edgeOnly = {0, 1, 2, 3};
    EXPECT_EQ(MarkedColumns(mover, 14), edgeOnly) << "raised";
    SendMessageW(mover, BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(MarkedColumns(mover, 14), edgeOnly) << "pressed";
    SendMessageW(mover, BM_SETSTATE, FALSE, 0);
    SetFocus(mover);
    EXPECT_EQ(MarkedColumns(mover, 14), (std::vector<int>{0, 1, 2, 3, 8, 9})) << "focused";
    for (const auto& [which, at96] : {std::pair<WPARAM, int>{ICON_SMALL, 16}, {ICON_BIG, 32}}) {
        const auto icon = SendMessageW(reader->Handle(), WM_GETICON, which, 0);
        EXPECT_EQ(IconWidth(reinterpret_cast<HICON>(icon)), at96 * 2);
    }
}
