#include "Painted.h"
#include "ReaderFixture.h"

#include "ButtonPainter.h"
#include "Controls.h"
#include "PictureScaling.h"
#include "ReaderLayout.h"
#include "SearchLayout.h"

#include <algorithm>

namespace {

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

} // namespace

TEST_F(Looks, EveryComboListGetsItsLayoutsBackground) {
    reader->Command2_Click();
    const std::pair<const ui::Form*, int> combos[] = {{reader.get(), cboTang},
                                                      {&Search(), cboAuthor}};
    const COLORREF expected[] = {RGB(173, 173, 173), RGB(255, 255, 255)};
    for (size_t i = 0; i < std::size(combos); ++i) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(combos[i].first->Control(combos[i].second), &info));
        // The colour message as the list asks it of the form that holds the combo box.
        const ColourAnswer answer =
            AnswerColourMessage(combos[i].first->Handle(), WM_CTLCOLORLISTBOX, info.hwndList);
        EXPECT_EQ(answer.Brush, expected[i]) << i;
        EXPECT_EQ(answer.Background, expected[i]) << i;
    }
}

TEST_F(Looks, PicturesGrowWithTheButtonsAndStayCentredAndClipped) {
    struct Expected {
        int Id;
        SIZE At96; // the picture's size at 96 DPI
    };
    const Expected buttons[] = {{Command1, {38, 39}}, {Command2, {56, 39}}, {Command3, {40, 38}}};
    SetFocus(ReaderControl(RichText1)); // no focus rectangle on the buttons
    for (const int dpi : {96, 144, 192}) {
        MoveToDpi(dpi);
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
    }
}

TEST_F(Looks, WindowIconsComeInTheSizesOfEveryDpi) {
    for (const int dpi : {144, 192}) {
        MoveToDpi(dpi);
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
