#pragma once

#include "FormAccessibility.h"

// Names the search window's controls for screen readers, each by the label beside it.
void NameSearchControls(ui::AccessibleNames& given, const ui::Form& search);
