#pragma once

namespace ui {

// Whether Windows' high-contrast mode is on now.
bool HighContrastOn();

// Replaces the system's answer with `query` (nullptr gives the system's back). Some systems
// cannot switch the mode at all, so tests of high-contrast drawing switch this instead.
using HighContrastQuery = bool (*)();
void SetHighContrastQuery(HighContrastQuery query);

} // namespace ui
