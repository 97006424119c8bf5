#pragma once

#include "FormControls.h"

namespace ui {

// Creates the tooltip window of `form` with one tool for every control whose layout gives a
// tooltip. The form owns the tooltip window, which goes with it.
HWND CreateTooltips(HWND form, const FormControls& controls);

} // namespace ui
