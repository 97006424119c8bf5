#include "GroupBoxPainter.h"

#include <commctrl.h>

namespace ui {

// The caption stands on the background in the box's font, breaking the frame's top line.
LRESULT CALLBACK PaintGroupBox(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR background) {
    if (message == WM_ERASEBKGND) {
        return 1;
    }
    if (message != WM_PAINT) {
        return DefSubclassProc(box, message, wParam, lParam);
    }
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(box, &paint);
    RECT area{};
    GetClientRect(box, &area);
    // The form answers with the brush of its colour scheme, which may have changed since.
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(box), WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(box)));
    brush = brush != nullptr ? brush : reinterpret_cast<HBRUSH>(background);
    const COLORREF text = GetTextColor(dc);
    FillRect(dc, &area, brush);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT frame = area;
    frame.top += metrics.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    wchar_t caption[128]{};
    const int length = GetWindowTextW(box, caption, 128);
    if (length > 0) {
        SIZE size{};
        GetTextExtentPoint32W(dc, caption, length, &size);
        RECT band{8, 0, 8 + size.cx + 4, metrics.tmHeight};
        FillRect(dc, &band, brush);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, text);
        TextOutW(dc, band.left + 2, 0, caption, length);
    }
    SelectObject(dc, previous);
    EndPaint(box, &paint);
    return 0;
}

} // namespace ui
