#pragma once

#include <string>
#include <windows.h>

namespace ui {

// Labels draw their lines one character-height apart, so that a caption of n lines is
// exactly n times the font's pixel size tall, whatever spacing the installed face would add.
void PaintLabel(const DRAWITEMSTRUCT& item, HFONT font, COLORREF text, HBRUSH background);

// The size a label needs for its caption in `font`.
SIZE MeasureLabel(HWND label, HFONT font);

} // namespace ui
