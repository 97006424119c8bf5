#pragma once

#include "FormControls.h"

namespace ui {

// The tooltip window of a form, with one tool for every control whose layout gives a
// tooltip. The form owns the tooltip window, which the system destroys with it; this object
// owns the form's registration with the message loop, which relays the mouse to the tooltip.
class FormTooltips {
public:
    FormTooltips() = default;
    ~FormTooltips() { Forget(); }
    FormTooltips(const FormTooltips&) = delete;
    FormTooltips& operator=(const FormTooltips&) = delete;

    void Create(HWND form, const FormControls& controls);
    // Ends the relay; called when the form's window goes.
    void Forget();

private:
    HWND form_ = nullptr;
};

// Lets the tooltip of the form under a mouse message see it. Tooltips learn about the mouse
// from the message loop rather than by subclassing each control: a subclassed control pays
// for every message it gets, and a list filled with thousands of entries gets thousands.
void RelayMouseToTooltip(const MSG& message);

} // namespace ui
