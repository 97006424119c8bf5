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
    FillRect(dc, &area, reinterpret_cast<HBRUSH>(background));
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
        RECT text{8, 0, 8 + size.cx + 4, metrics.tmHeight};
        FillRect(dc, &text, reinterpret_cast<HBRUSH>(background));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        TextOutW(dc, text.left + 2, 0, caption, length);
    }
    return 0;
}

} // namespace ui
