// 复制为图片: the page on the clipboard as a picture, whole, as it is shown, in either view.
#include "Painted.h"
#include "ReaderFixture.h"

#include "DeviceContext.h"
#include "PageText.h"
#include "ReaderIds.h"
#include "SearchLayout.h"
#include "VerticalPage.h"

#include <cstring>
#include <richedit.h>
#include <vector>

namespace {

const std::u8string LongPoem =
    u8"<静夜思>\r\n(李白)\r\n" + Repeated(u8"床前明月光\r\n", 40) + u8"//注：举头望明月//\r\n";

// The clipboard's CF_DIB, copied out of it, read pixel by pixel.
class ClipboardPicture {
public:
    ClipboardPicture() {
        if (!OpenClipboard(nullptr)) {
            return;
        }
        HANDLE data = GetClipboardData(CF_DIB);
        const void* locked = data != nullptr ? GlobalLock(data) : nullptr;
        if (locked != nullptr) {
            std::memcpy(&header_, locked, sizeof header_);
            bytes_.resize(GlobalSize(data));
            std::memcpy(bytes_.data(), locked, bytes_.size());
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    // 24 bits a pixel, rows from the bottom up, as the clipboard's other readers expect.
    bool IsBottomUpRgb() const {
        return header_.biBitCount == 24 && header_.biCompression == BI_RGB &&
               header_.biHeight > 0 && bytes_.size() >= header_.biSize + Stride() * Height();
    }
    LONG Width() const { return header_.biWidth; }
    LONG Height() const { return header_.biHeight; }
    COLORREF At(LONG x, LONG y) const {
        const uint8_t* pixel = bytes_.data() + header_.biSize +
                               Stride() * static_cast<size_t>(Height() - 1 - y) +
                               3 * static_cast<size_t>(x);
        return RGB(pixel[2], pixel[1], pixel[0]);
    }

private:
    size_t Stride() const { return (static_cast<size_t>(Width()) * 3 + 3) / 4 * 4; }

    BITMAPINFOHEADER header_{};
    std::vector<uint8_t> bytes_;
};

void EmptyTheClipboard() {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
}

// The pixels of `shown` within `area` that the picture does not hold, the picture's (`left`,
// `top`) standing for the window's top left corner. Exact: the picture is painted by the same
// code, in the same font smoothing, as the screen.
long Differences(const ClipboardPicture& picture, const Painted& shown, RECT area, LONG left,
                 LONG top) {
    long differ = 0;
    for (LONG y = area.top; y < area.bottom; ++y) {
        for (LONG x = area.left; x < area.right; ++x) {
            differ += picture.At(left + x, top + y) != shown.At(x, y) ? 1 : 0;
        }
    }
    return differ;
}

class PagePicturing : public ReaderFixture {
protected:
    void SetUp() override {
        StartWithUtf8(LongPoem);
        EmptyTheClipboard();
    }
    HWND Box() const { return ReaderControl(RichText1); }
    HWND Page() const {
        return FindWindowExW(reader->Handle(), nullptr, VerticalPage::ClassName, nullptr);
    }
    LRESULT TopLine() const { return SendMessageW(Box(), EM_GETFIRSTVISIBLELINE, 0, 0); }
    POINT BoxScroll() const {
        POINT at{};
        SendMessageW(Box(), EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&at));
        return at;
    }
};

} // namespace

// Taller than the box, and zoomed just before, not yet painted at the new size: the picture
// is the box's view wherever it is scrolled, at the new size and without the selection, and
// the box keeps its place.
TEST_F(PagePicturing, AHorizontalPageIsPicturedFromItsTopToItsEnd) {
    OpenSearch(); // the hits of a search for 明月 are marked, on the screen and in the picture
    SetWindowTextW(SearchControl(txtContent), L"明月");
    Click(SearchControl(cmdSearch));
    Click(SearchControl(cmdCancel));
    SetFocus(Box());
    SendMessageW(Box(), EM_SETSEL, 0, -1);
    SendMessageW(Box(), EM_LINESCROLL, 0, 5);
    const LRESULT topLine = TopLine();
    reader->RunCommand(mnuZoomIn);
    reader->RunCommand(mnuCopyPicture);
    EXPECT_EQ(TopLine(), topLine) << "the box shows what it showed";
    const ClipboardPicture picture;
    ASSERT_TRUE(picture.IsBottomUpRgb());

    SendMessageW(Box(), EM_SETSEL, 0, 0);
    SetFocus(ReaderControl(cboTang)); // no caret on the screen
    ASSERT_EQ(PageZoom(), 110);
    SendMessageW(Box(), WM_VSCROLL, SB_BOTTOM, 0);
    const LONG end = BoxScroll().y;
    const Painted shown = Painted::AsShown(Box());
    ASSERT_EQ(picture.Width(), shown.Client().right);
    ASSERT_GT(end, shown.Client().bottom);
    EXPECT_EQ(picture.Height(), end + shown.Client().bottom);
    // Scrolled, the box's margin above the text hides a line of pixels the picture holds.
    RECT text{};
    SendMessageW(Box(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    EXPECT_EQ(Differences(picture, shown, text, 0, end), 0);
    POINT middle{0, end / 2}; // where two boxfuls of the picture meet
    SendMessageW(Box(), EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&middle));
    EXPECT_EQ(Differences(picture, Painted::AsShown(Box()), text, 0, BoxScroll().y), 0);
    SendMessageW(Box(), WM_VSCROLL, SB_TOP, 0);
    const Painted top = Painted::AsShown(Box());
    EXPECT_EQ(Differences(picture, top, top.Client(), 0, 0), 0);
    long marked = 0;
    for (LONG y = 0; y < picture.Height(); ++y) {
        marked += picture.At(text.right / 2, y) == MarkColour ? 1 : 0;
    }
    EXPECT_GT(marked, 40) << "every line's 明月, down to the end";
}

// Wider than the window: the first columns, shown at the right, are the picture's right part,
// and the last ones its left part, whichever columns the page showed.
TEST_F(PagePicturing, AVerticalPageIsPicturedFromItsFirstColumnToItsLast) {
    reader->RunCommand(mnuVertical);
    SetFocus(Page());
    SendMessageW(Box(), EM_SETSEL, 0, -1);
    PressKey(VK_NEXT);
    reader->RunCommand(mnuCopyPicture);
    const ClipboardPicture picture;
    ASSERT_TRUE(picture.IsBottomUpRgb());

    SendMessageW(Box(), EM_SETSEL, 0, 0);
    PressKey(VK_HOME);
    const Painted first = Painted::AsShown(Page());
    ASSERT_EQ(picture.Height(), first.Client().bottom);
    ASSERT_GT(picture.Width(), 2 * first.Client().right);
    EXPECT_EQ(
        Differences(picture, first, first.Client(), picture.Width() - first.Client().right, 0), 0);
    PressKey(VK_END);
    const Painted last = Painted::AsShown(Page());
    EXPECT_EQ(Differences(picture, last, last.Client(), 0, 0), 0);
}
