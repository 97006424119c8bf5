#pragma once

#include "FormAccessibility.h"

#include <functional>
#include <string>

// Names the reader window's controls for screen readers. The page is a read-only document
// named by `pageName`, the poem on it, and its text is its value; so is `verticalPage`, the
// page set vertically, which has the focus in its place while it is shown.
void NameReaderControls(ui::AccessibleNames& given, const ui::Form& reader,
                        const std::function<std::u16string()>& pageName, HWND verticalPage);
