#pragma once

#include "Layout.h"
#include "UniqueHandle.h"

#include <utility>
#include <vector>

namespace ui {

// What a colour of a layout paints, which decides its system colour in high contrast.
enum class ColourUse {
    Background, // of a window, and the labels and group boxes standing on it
    Text,       // of a label or a caption on the background
    ButtonFace,
    Field,     // background of a list or text field
    FieldText, // text in a list or text field
    Outline,   // the rectangles drawn on the background
};

// The colour scheme a form paints with: exactly the layout's colours, or in high contrast the
// system colours that belong together (button face with button text, window with window text).
class ColourScheme {
public:
    bool HighContrast() const { return highContrast_; }
    // Asks whether high contrast is on; true when the answer changed.
    bool Refresh();

    // `layout` itself (or `fallback`, a COLOR_* index, when it is unset) in the normal scheme.
    COLORREF Resolve(const Colour& layout, ColourUse use, int fallback) const;
    // A solid brush of `colour`, kept until the scheme changes.
    HBRUSH Brush(COLORREF colour) const;

private:
    bool highContrast_ = false;
    mutable std::vector<std::pair<COLORREF, UniqueBrush>> brushes_;
};

// The system colour (COLOR_*) a use takes in high contrast.
int HighContrastColour(ColourUse use);

} // namespace ui
