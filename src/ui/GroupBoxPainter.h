#pragma once

#include <windows.h>

namespace ui {

// Subclass procedure that draws a group box the same way on every system: the window's
// background (the brush passed as `background`) inside, an etched frame, and the caption.
LRESULT CALLBACK PaintGroupBox(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR background);

} // namespace ui
