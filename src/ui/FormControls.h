#pragma once

#include "Layout.h"
#include "UniqueHandle.h"

#include <vector>

namespace ui {

// One control of a form as created from its layout, with the GDI objects it is drawn with.
struct PlacedControl {
    const ControlLayout* Description = nullptr;
    HWND Window = nullptr; // a child: destroyed with the form
    UniqueFont Font;
    UniqueBrush Back;
    UniqueBitmap Picture; // at the form's DPI
};

// The controls of a form, created from its layout table and placed at the form's DPI.
class FormControls {
public:
    // Creates every control as a visible child of `form`, in Tab order, which is the order the
    // dialog manager walks. `background` paints group boxes.
    void Create(HWND form, const FormLayout& layout, HBRUSH background);
    // Sets fonts, positions, sizes and pictures for `dpi`.
    void ApplyLayout(HWND form, const FormLayout& layout, int dpi);
    // Sizes a label to its caption, growing to the right.
    void FitLabel(HWND form, const PlacedControl& placed) const;

    const PlacedControl* Find(HWND window) const;
    const PlacedControl* FindId(int id) const;
    HFONT FontOf(const PlacedControl& placed) const;
    const std::vector<PlacedControl>& All() const { return controls_; }

private:
    std::vector<PlacedControl> controls_;
    UniqueFont defaultFont_;
};

// Where a control stands at `dpi`, relative to the form's client area.
RECT ControlRect(const FormLayout& layout, const ControlLayout& description, int dpi);

} // namespace ui
