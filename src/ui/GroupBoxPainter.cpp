#include "GroupBoxPainter.h"

#include "Controls.h"
#include "DeviceContext.h"

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
    const PaintDc paint(box);
    const HDC dc = paint.Get();
    RECT area{};
    GetClientRect(box, &area);
    // The form answers with the brush of its colour scheme, which may have changed since.
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(box), WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(box)));
    brush = brush != nullptr ? brush : reinterpret_cast<HBRUSH>(background);
    const COLORREF text = GetTextColor(dc);
    FillRect(dc, &area, brush);
    const Selected font(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT frame = area;
    frame.top += metrics.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const std::u16string captionText = WindowText(box);
    const auto* caption = reinterpret_cast<const wchar_t*>(captionText.c_str());
    const int length = static_cast<int>(captionText.size());
    if (length > 0) {
        SIZE size{};
        GetTextExtentPoint32W(dc, caption, length, &size);
        RECT band{8, 0, 8 + size.cx + 4, metrics.tmHeight};
        FillRect(dc, &band, brush);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, text);
        TextOutW(dc, band.left + 2, 0, caption, length);
    }
    return 0;
}

} // namespace ui
