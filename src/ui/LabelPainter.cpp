#include "LabelPainter.h"

#include "Controls.h"
#include "DeviceContext.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace ui {

namespace {

std::vector<std::wstring> CaptionLines(HWND label) {
    const std::u16string caption = WindowText(label);
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (;;) {
        const size_t end = caption.find(u"\r\n", start);
        const std::u16string line = caption.substr(start, end - start);
        lines.emplace_back(line.begin(), line.end());
        if (end == std::u16string::npos) {
            return lines;
        }
        start = end + 2;
    }
}

int PixelSize(HFONT font) {
    LOGFONTW description{};
    GetObjectW(font, sizeof description, &description);
    return std::abs(description.lfHeight);
}

} // namespace

void PaintLabel(const DRAWITEMSTRUCT& item, HFONT font, COLORREF text, HBRUSH background) {
    HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, background);
    const Selected selected(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text);
    const int pitch = PixelSize(font);
    int top = item.rcItem.top - metrics.tmInternalLeading;
    for (const std::wstring& line : CaptionLines(item.hwndItem)) {
        ExtTextOutW(dc, item.rcItem.left, top, ETO_CLIPPED, &item.rcItem, line.c_str(),
                    static_cast<UINT>(line.size()), nullptr);
        top += pitch;
    }
}

SIZE MeasureLabel(HWND label, HFONT font) {
    const WindowDc dc(label);
    const Selected selected(dc.Get(), font);
    const std::vector<std::wstring> lines = CaptionLines(label);
    LONG width = 0;
    for (const std::wstring& line : lines) {
        SIZE size{};
        GetTextExtentPoint32W(dc.Get(), line.c_str(), static_cast<int>(line.size()), &size);
        width = std::max(width, size.cx);
    }
    return SIZE{width, static_cast<LONG>(lines.size()) * PixelSize(font)};
}

} // namespace ui
