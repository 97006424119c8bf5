#pragma once

#include <windows.h>

namespace ui {

// DPI of the monitor that shows `window` (per-monitor aware where the system supports it),
// or of the screen when `window` is null.
int DpiOf(HWND window);

// A size from the system's metrics (SM_CXICON, for instance) as it is at `dpi`.
int SystemMetricAt(int metric, int dpi);

// Outer window rectangle for a client area of `client`, at `dpi`.
RECT OuterRect(RECT client, DWORD style, DWORD exStyle, int dpi);

} // namespace ui
