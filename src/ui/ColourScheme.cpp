#include "ColourScheme.h"

#include "HighContrast.h"

namespace ui {

int HighContrastColour(ColourUse use) {
    switch (use) {
    case ColourUse::Background:
    case ColourUse::ButtonFace:
        return COLOR_BTNFACE;
    case ColourUse::Text:
    case ColourUse::Outline:
        return COLOR_BTNTEXT;
    case ColourUse::Field:
        return COLOR_WINDOW;
    case ColourUse::FieldText:
        return COLOR_WINDOWTEXT;
    }
    return COLOR_BTNTEXT;
}

bool ColourScheme::Refresh() {
    const bool on = HighContrastOn();
    const bool changed = on != highContrast_;
    highContrast_ = on;
    brushes_.clear(); // system colours may have changed with the scheme
    return changed;
}

COLORREF ColourScheme::Resolve(const Colour& layout, ColourUse use, int fallback) const {
    if (highContrast_) {
        return GetSysColor(HighContrastColour(use));
    }
    return layout.IsSet() ? layout.Resolve() : GetSysColor(fallback);
}

HBRUSH ColourScheme::Brush(COLORREF colour) const {
    for (const auto& [made, brush] : brushes_) {
        if (made == colour) {
            return brush.get();
        }
    }
    brushes_.emplace_back(colour, UniqueBrush(CreateSolidBrush(colour)));
    return brushes_.back().second.get();
}

} // namespace ui
