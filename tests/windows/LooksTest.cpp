#include "ReaderFixture.h"

#include "Controls.h"
#include "DeviceContext.h"
#include "PictureScaling.h"
#include "ReaderLayout.h"
#include "SearchLayout.h"

#include <algorithm>

namespace {

class Looks : public ReaderFixture {
protected:
    void SetUp() override { StartWithUtf8(ThreePoems); }
};

// The smallest rectangle inside `area` of `window`'s client area holding every pixel it draws
// unlike `face`. The window paints into memory, so parts of it outside the screen are seen too.
RECT DrawnUnlike(HWND window, COLORREF face, RECT area) {
    RECT client{};
    GetClientRect(window, &client);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = client.right;
    format.bmiHeader.biHeight = client.bottom;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32; // every colour exactly, whatever the screen's depth
    void* bits = nullptr;
    const ui::MemoryDc memory(nullptr);
    const HDC dc = memory.Get();
    const ui::UniqueBitmap bitmap(CreateDIBSection(dc, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    const ui::Selected drawnInto(dc, bitmap.get());
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    RECT found{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (GetPixel(dc, x, y) != face) {
                found = {std::min<LONG>(found.left, x), std::min<LONG>(found.top, y),
                         std::max<LONG>(found.right, x + 1), std::max<LONG>(found.bottom, y + 1)};
            }
        }
    }
    return found;
}

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
        const ui::MemoryDc memory(nullptr);
        const HDC dc = memory.Get();
        // The colour message as the list asks it of the form that holds the combo box.
        const auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(combos[i].first->Handle(), WM_CTLCOLORLISTBOX,
                         reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(info.hwndList)));
        LOGBRUSH colour{};
        GetObjectW(brush, sizeof colour, &colour);
        EXPECT_EQ(colour.lbColor, expected[i]) << i;
        EXPECT_EQ(GetBkColor(dc), expected[i]) << i;
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
            InflateRect(&face, -2, -2); // inside the raised edge
            const RECT picture = DrawnUnlike(window, GetSysColor(COLOR_APPWORKSPACE), face);
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
