#include "Dpi.h"

#include "DeviceContext.h"

namespace ui {

namespace {

// These arrived with Windows 10; older systems fall back to the screen's DPI.
template <typename Function> Function User32Function(const char* name) {
    FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
}

int ScreenDpi() {
    const WindowDc screen(nullptr);
    const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    return dpi > 0 ? dpi : 96;
}

} // namespace

int DpiOf(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (window != nullptr && getDpiForWindow != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi > 0) {
            return static_cast<int>(dpi);
        }
    }
    return ScreenDpi();
}

int SystemMetricAt(int metric, int dpi) {
    using MetricsForDpiFunction = int(WINAPI*)(int, UINT);
    static const auto metricsForDpi =
        User32Function<MetricsForDpiFunction>("GetSystemMetricsForDpi");
    if (metricsForDpi != nullptr) {
        return metricsForDpi(metric, static_cast<UINT>(dpi));
    }
    return MulDiv(GetSystemMetrics(metric), dpi, ScreenDpi());
}

RECT OuterRect(RECT client, DWORD style, DWORD exStyle, int dpi) {
    using AdjustFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = User32Function<AdjustFunction>("AdjustWindowRectExForDpi");
    if (adjustForDpi == nullptr ||
        !adjustForDpi(&client, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        AdjustWindowRectEx(&client, style, FALSE, exStyle);
    }
    return client;
}

} // namespace ui
