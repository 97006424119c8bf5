// The marks on the page box: the search's hits and the line read aloud. They are drawn over what
// the box paints, in place of the marked characters' background and ink, rather than given to the
// box as formats of its text: some systems' rich edit lays a whole paragraph out again for every
// run of another look, and a long line with hundreds of marks took seconds to show.
#include "PageBox.h"

#include "DeviceContext.h"
#include "PageSelection.h"
#include "Recolour.h"
#include "TextZoom.h"
#include "UniqueHandle.h"

#include <algorithm>
#include <richedit.h>

namespace {

// A COLORREF as a pixel of a 32-bit device-independent bitmap, blue in the lowest byte.
uint32_t AsPixel(COLORREF colour) {
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

// Redraws the pixels of `area` as if their ink `ink` on `back` were `newInk` on `newBack`.
void RecolourArea(HDC dc, RECT area, COLORREF back, COLORREF ink, COLORREF newBack,
                  COLORREF newInk) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height; // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const ui::UniqueBitmap bitmap(CreateDIBSection(dc, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    const ui::MemoryDc memory(dc);
    if (!bitmap || memory.Get() == nullptr) {
        return; // the page is shown without this mark rather than not at all
    }
    const ui::Selected selected(memory.Get(), bitmap.get());
    BitBlt(memory.Get(), 0, 0, width, height, dc, area.left, area.top, SRCCOPY);
    GdiFlush();
    auto* pixels = static_cast<uint32_t*>(bits);
    const uint32_t from = AsPixel(back), fromInk = AsPixel(ink);
    const uint32_t to = AsPixel(newBack), toInk = AsPixel(newInk);
    for (int i = 0; i < width * height; ++i) {
        pixels[i] = Recoloured(pixels[i], from, fromInk, to, toInk);
    }
    BitBlt(dc, area.left, area.top, width, height, memory.Get(), 0, 0, SRCCOPY);
}

POINTL PositionOf(HWND box, LONG character) {
    POINTL at{};
    SendMessageW(box, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), character);
    return at;
}

LONG CharacterAt(HWND box, LONG x, LONG y) {
    POINTL at{x, y};
    return static_cast<LONG>(SendMessageW(box, EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&at)));
}

// Where the character at `character` is drawn: its width to the next character on its line,
// or `em` at the line's end; its height to the next line, or `em` on the last.
RECT CharacterRect(HWND box, LONG character, int em) {
    const POINTL at = PositionOf(box, character);
    const POINTL next = PositionOf(box, character + 1);
    const LONG right = next.y == at.y && next.x > at.x ? next.x : at.x + em;
    const auto line = SendMessageW(box, EM_EXLINEFROMCHAR, 0, character);
    const auto nextLine = SendMessageW(box, EM_LINEINDEX, static_cast<WPARAM>(line + 1), 0);
    LONG bottom = at.y + em;
    if (nextLine > character) {
        bottom = std::max(bottom - em + 1, PositionOf(box, static_cast<LONG>(nextLine)).y);
    }
    return {at.x, at.y, right, bottom};
}

} // namespace

void PageBox::SetMarks(PageMarks marks) {
    marks_ = std::move(marks);
    InvalidateRect(box_, nullptr, FALSE);
}

void PageBox::BringIntoView(uint32_t position) {
    LayOutIfDue();
    RECT client{};
    GetClientRect(box_, &client);
    const auto line = SendMessageW(box_, EM_EXLINEFROMCHAR, 0, static_cast<LPARAM>(position));
    const auto first = SendMessageW(box_, EM_GETFIRSTVISIBLELINE, 0, 0);
    const auto last = SendMessageW(box_, EM_EXLINEFROMCHAR, 0,
                                   CharacterAt(box_, client.right - 1, client.bottom - 1));
    if (line < first || line >= last) { // the last line in view may be cut off
        SendMessageW(box_, EM_LINESCROLL, 0, line - first);
    }
}

void PageBox::PaintMarked() {
    const ui::PaintDc target(box_);
    RECT client{};
    GetClientRect(box_, &client);
    const ui::MemoryDc buffer(target.Get());
    const ui::UniqueBitmap bitmap(CreateCompatibleBitmap(
        target.Get(), std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)));
    const ui::Selected selected(buffer.Get(), bitmap.get());
    FillRect(buffer.Get(), &client, GetSysColorBrush(COLOR_WINDOW)); // the box leaves its margins
    DefSubclassProc(box_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(buffer.Get()),
                    PRF_CLIENT | PRF_ERASEBKGND);
    DrawMarks(buffer.Get());
    BitBlt(target.Get(), 0, 0, client.right, client.bottom, buffer.Get(), 0, 0, SRCCOPY);
}

// Only the marks in view are drawn, each line's stretch of a mark at once; the selection, unless
// hidden, keeps the colours the box gives it.
void PageBox::DrawMarks(HDC dc) const {
    if (marks_.Spans.empty()) {
        return;
    }
    RECT client{};
    GetClientRect(box_, &client);
    RECT text{};
    SendMessageW(box_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    const LONG first = CharacterAt(box_, 0, 0);
    const LONG last = CharacterAt(box_, client.right - 1, client.bottom - 1) + 1;
    const CHARRANGE selection = PageSelection(box_);
    const COLORREF back = GetSysColor(COLOR_WINDOW);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    auto span =
        std::ranges::upper_bound(marks_.Spans, static_cast<uint32_t>(first), {}, &MarkedSpan::End);
    for (; span != marks_.Spans.end() && static_cast<LONG>(span->Start) < last; ++span) {
        const auto run =
            static_cast<size_t>(std::ranges::upper_bound(runStarts_.begin(), runStarts_.end() - 1,
                                                         static_cast<LONG>(span->Start)) -
                                runStarts_.begin() - 1);
        const RunLook& look = looks_[std::min<size_t>(run, looks_.size() - 1)];
        const COLORREF ink = look.SystemColour ? GetSysColor(COLOR_WINDOWTEXT) : look.Colour;
        const COLORREF newBack = marks_.SystemHighlight            ? GetSysColor(COLOR_HIGHLIGHT)
                                 : span->Kind == MarkKind::Reading ? ReadingColour
                                                                   : MarkColour;
        const COLORREF newInk = marks_.SystemHighlight ? GetSysColor(COLOR_HIGHLIGHTTEXT) : ink;
        const int em = MulDiv(ZoomedTwips(look.SizeTwips, percent_), dpi, 1440);
        RECT stretch{};
        const auto flush = [&] {
            IntersectRect(&stretch, &stretch, &text); // the box draws nothing in its margins
            RecolourArea(dc, stretch, back, ink, newBack, newInk);
            stretch = {};
        };
        const LONG end = std::min(static_cast<LONG>(span->End), last);
        for (LONG character = std::max(static_cast<LONG>(span->Start), first); character < end;
             ++character) {
            if (!selectionHidden_ && character >= selection.cpMin && character < selection.cpMax) {
                flush();
                continue;
            }
            const RECT cell = CharacterRect(box_, character, em);
            if (stretch.right > stretch.left &&
                (cell.top != stretch.top || cell.left > stretch.right + 1)) {
                flush();
            }
            stretch = stretch.right > stretch.left
                          ? RECT{stretch.left, stretch.top, std::max(stretch.right, cell.right),
                                 std::max(stretch.bottom, cell.bottom)}
                          : cell;
        }
        flush();
    }
}
