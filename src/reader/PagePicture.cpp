// The page as a picture. The box paints only what it shows: a page taller than the box is
// pictured a boxful at a time, scrolled while the box does not draw, and the user sees it keep
// its place. The page's other views paint the whole page themselves.
#include "PagePicture.h"

#include "DeviceContext.h"
#include "RedrawPaused.h"

#include <algorithm>
#include <new>
#include <richedit.h>

namespace {

// A bitmap as the clipboard takes it; no memory for one is a shortage like any other.
ui::UniqueBitmap NewPicture(LONG width, LONG height) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 24;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    ui::UniqueBitmap bitmap(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) {
        throw std::bad_alloc();
    }
    return bitmap;
}

// How much of a page `along` pixels long and `across` wide the picture takes.
LONG WithinBound(LONG across, LONG along, bool& cut) {
    const LONG most = MaxPicturePixels / std::max(across, 1L);
    cut = along > most;
    return std::min(along, most);
}

// The box, which always shows its selection, hides it while this lives.
class SelectionHidden {
public:
    explicit SelectionHidden(HWND box) : box_(box) {
        SendMessageW(box_, EM_HIDESELECTION, TRUE, 0);
    }
    ~SelectionHidden() { SendMessageW(box_, EM_HIDESELECTION, FALSE, 0); }
    SelectionHidden(const SelectionHidden&) = delete;
    SelectionHidden& operator=(const SelectionHidden&) = delete;

private:
    HWND box_;
};

// Where the box is scrolled to, in pixels.
POINT ScrollPosition(HWND box) {
    POINT at{};
    SendMessageW(box, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&at));
    return at;
}

// Scrolls the box towards `to`, which it clamps to where it can go, and says where it went.
POINT ScrollBox(HWND box, POINT to) {
    SendMessageW(box, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&to));
    return ScrollPosition(box);
}

// The box's scroll position as it was, once this goes.
class ScrollKept {
public:
    explicit ScrollKept(HWND box) : box_(box), kept_(ScrollPosition(box)) {}
    ~ScrollKept() { ScrollBox(box_, kept_); }
    ScrollKept(const ScrollKept&) = delete;
    ScrollKept& operator=(const ScrollKept&) = delete;
    LONG X() const { return kept_.x; }

private:
    HWND box_;
    POINT kept_;
};

} // namespace

PagePicture PictureOfBox(PageBox& page) {
    page.LayOutIfDue(); // a zoom step not yet painted
    HWND box = page.Handle();
    RECT client{};
    GetClientRect(box, &client);
    RECT text{}; // where the box draws its text; it may print nothing of the margins around
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    IntersectRect(&text, &text, &client);
    if (IsRectEmpty(&text)) {
        return {};
    }
    const ui::RedrawPaused paused(box);
    const ScrollKept kept(box);
    const SelectionHidden hidden(box);
    const LONG end = ScrollBox(box, {kept.X(), 1 << 30}).y;
    PagePicture picture;
    const LONG height = WithinBound(client.right, end + client.bottom, picture.Cut);
    picture.Bitmap = NewPicture(client.right, height);
    const ui::UniqueBitmap boxful = NewPicture(client.right, client.bottom);
    const ui::MemoryDc whole(nullptr);
    const ui::MemoryDc shown(nullptr);
    const ui::Selected wholeBitmap(whole.Get(), picture.Bitmap.get());
    const ui::Selected shownBitmap(shown.Get(), boxful.get());
    HBRUSH background = GetSysColorBrush(COLOR_WINDOW); // the box's own, as it is never set
    const RECT all{0, 0, client.right, height};
    FillRect(whole.Get(), &all, background);
    // The text at scroll position y shows at y + text.top in the picture, as in the box
    // scrolled to the top; the last boxful is scrolled only as far as the end.
    for (LONG top = 0; top + text.top < height; top += text.bottom - text.top) {
        const LONG at = ScrollBox(box, {kept.X(), top}).y;
        FillRect(shown.Get(), &client, background);
        SendMessageW(box, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(shown.Get()),
                     PRF_CLIENT | PRF_ERASEBKGND);
        BitBlt(whole.Get(), 0, at + text.top, client.right, text.bottom - text.top, shown.Get(), 0,
               text.top, SRCCOPY);
        if (at < top) {
            break; // at the end
        }
    }
    return picture;
}

PagePicture PictureOfView(PageView& view) {
    const SIZE size = view.WholeSize();
    if (size.cx <= 0 || size.cy <= 0) {
        return {};
    }
    PagePicture picture;
    const bool across = view.ScrollsAcross();
    const LONG length = across ? WithinBound(size.cy, size.cx, picture.Cut)
                               : WithinBound(size.cx, size.cy, picture.Cut);
    picture.Bitmap = across ? NewPicture(length, size.cy) : NewPicture(size.cx, length);
    const ui::MemoryDc dc(nullptr);
    const ui::Selected selected(dc.Get(), picture.Bitmap.get());
    view.PaintWhole(dc.Get(), length);
    return picture;
}
