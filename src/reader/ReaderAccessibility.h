#pragma once

#include "FormAccessibility.h"

#include <functional>
#include <string>

// Names the reader window's controls for screen readers. The page is a read-only document
// named by `pageName`, the poem on it, and its text is its value.
void NameReaderControls(ui::AccessibleNames& given, const ui::Form& reader,
                        std::function<std::u16string()> pageName);
