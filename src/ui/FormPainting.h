#pragma once

#include "ColourScheme.h"
#include "FormControls.h"

namespace ui {

// How a form and its controls look: the background, the rectangle outlines drawn on it, the
// owner-drawn labels and buttons, and the colours of the standard controls.
class FormPainting {
public:
    FormPainting(const FormLayout& layout, const FormControls& controls)
        : layout_(layout), controls_(controls) {}

    void CreateBrushes();
    HBRUSH Background() const;
    // Follows a switch of high contrast; true when the colours changed with it.
    bool RefreshScheme() { return scheme_.Refresh(); }
    bool HighContrast() const { return scheme_.HighContrast(); }

    void EraseBackground(HWND form, HDC dc) const;
    // Draws the rectangle outlines of the layout on the form's background.
    void PaintOutlines(HWND form, int dpi) const;
    // Draws an owner-drawn label or button; false when the item is none of the form's.
    bool DrawItem(const DRAWITEMSTRUCT& item, int dpi) const;
    // Answers a WM_CTLCOLOR* message about `control`: the brush to paint it with, or null
    // when the control keeps the system's colours.
    HBRUSH ColourControl(HDC dc, HWND control) const;

private:
    // The control of the form that a window belongs to, for its colours.
    const PlacedControl* Coloured(HWND control) const;

    const FormLayout& layout_;
    const FormControls& controls_;
    UniqueBrush background_;
    ColourScheme scheme_;
};

} // namespace ui
