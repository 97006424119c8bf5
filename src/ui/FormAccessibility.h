#pragma once

#include "Accessibility.h"
#include "Form.h"

#include <span>

namespace ui {

// How a control of a form is named for screen readers.
struct ControlName {
    int Id;
    long Role;
    // A name of its own; nullptr: the caption of the label `NamedBy`, or the control's own
    // caption when that is 0, as a sighted user reads it.
    const char16_t* Name = nullptr;
    int NamedBy = 0;
};

// Gives `form` itself its caption as name, and each control of `names` its name and role. Its
// tooltip, unless it says what the name says, becomes its description; a combo box or text box
// reports its text as value.
void GiveNames(AccessibleNames& given, const Form& form, std::span<const ControlName> names);

} // namespace ui
