#pragma once

#include <windows.h>

namespace ui {

// Draws an owner-drawn push button: the face in `face`, a raised or pressed edge, the picture
// centred on the face and clipped at its edges, the caption centred, and the focus rectangle.
// The edge and the focus rectangle grow with `dpi`.
void PaintButton(const DRAWITEMSTRUCT& item, COLORREF face, HBITMAP picture, HFONT font, int dpi);

// Width in pixels of each line of a button's edge and focus rectangle: 1 at 96 DPI.
int EdgeLineWidth(int dpi);

} // namespace ui
