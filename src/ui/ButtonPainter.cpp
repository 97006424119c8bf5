#include "ButtonPainter.h"

#include "Controls.h"
#include "DeviceContext.h"
#include "UniqueHandle.h"

#include <algorithm>

namespace ui {

namespace {

void DrawPicture(HDC dc, const RECT& face, HBITMAP picture, int shift) {
    BITMAP size{};
    GetObjectW(picture, sizeof size, &size);
    const MemoryDc source(dc);
    const Selected selected(source.Get(), picture);
    const int left = (face.left + face.right - size.bmWidth) / 2 + shift;
    const int top = (face.top + face.bottom - size.bmHeight) / 2 + shift;
    // Clip to the face so a picture larger than the button is cut off at its edges.
    const SavedDcState unclipped(dc);
    IntersectClipRect(dc, face.left, face.top, face.right, face.bottom);
    BitBlt(dc, left, top, size.bmWidth, size.bmHeight, source.Get(), 0, 0, SRCCOPY);
}

void DrawCaption(HDC dc, HWND button, RECT area, HFONT font, int shift) {
    const std::u16string caption = WindowText(button);
    OffsetRect(&area, shift, shift);
    const Selected selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(button) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    DrawTextW(dc, reinterpret_cast<const wchar_t*>(caption.c_str()),
              static_cast<int>(caption.size()), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// The raised or sunken edge of a button, each of its two lines `line` pixels wide. One pixel
// wide it is exactly the system's edge.
void DrawScaledEdge(HDC dc, RECT area, bool pressed, int line) {
    if (line == 1) {
        DrawEdge(dc, &area, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        return;
    }
    for (const UINT part : {pressed ? BDR_SUNKENOUTER : BDR_RAISEDOUTER,
                            pressed ? BDR_SUNKENINNER : BDR_RAISEDINNER}) {
        for (int i = 0; i < line; ++i) {
            DrawEdge(dc, &area, part, BF_RECT);
            InflateRect(&area, -1, -1);
        }
    }
}

} // namespace

void PaintButton(const DRAWITEMSTRUCT& item, COLORREF face, HBITMAP picture, HFONT font, int dpi) {
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const int shift = pressed ? 1 : 0;
    const int line = EdgeLineWidth(dpi);

    const UniqueBrush faceBrush(CreateSolidBrush(face));
    FillRect(dc, &area, faceBrush.get());

    if (picture != nullptr) {
        RECT inside = area;
        InflateRect(&inside, -2 * line, -2 * line);
        DrawPicture(dc, inside, picture, shift);
    } else {
        DrawCaption(dc, item.hwndItem, area, font, shift);
    }
    DrawScaledEdge(dc, area, pressed, line);
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        RECT focus = area;
        InflateRect(&focus, -4 * line, -4 * line);
        for (int ring = 0; ring < line; ++ring) {
            DrawFocusRect(dc, &focus);
            InflateRect(&focus, -1, -1);
        }
    }
}

int EdgeLineWidth(int dpi) {
    return std::max(1, MulDiv(1, dpi, 96));
}

} // namespace ui
