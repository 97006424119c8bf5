#pragma once

#include <windows.h>

namespace ui {

// Draws an owner-drawn push button: the face in `face`, a raised or pressed edge, the picture
// centred on the face and clipped at its edges, the caption centred, and the focus rectangle.
void PaintButton(const DRAWITEMSTRUCT& item, COLORREF face, HBITMAP picture, HFONT font);

} // namespace ui
