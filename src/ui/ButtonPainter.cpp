#include "ButtonPainter.h"

#include "Controls.h"
#include "DeviceContext.h"
#include "UniqueHandle.h"

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

} // namespace

void PaintButton(const DRAWITEMSTRUCT& item, COLORREF face, HBITMAP picture, HFONT font) {
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const int shift = pressed ? 1 : 0;

    const UniqueBrush faceBrush(CreateSolidBrush(face));
    FillRect(dc, &area, faceBrush.get());

    if (picture != nullptr) {
        RECT inside = area;
        InflateRect(&inside, -2, -2);
        DrawPicture(dc, inside, picture, shift);
    } else {
        DrawCaption(dc, item.hwndItem, area, font, shift);
    }
    DrawEdge(dc, &area, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        RECT focus = area;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(dc, &focus);
    }
}

} // namespace ui
