#pragma once

#include <windows.h>

namespace ui {

// Starts moving `window` with the mouse, as a press on its caption bar would.
void BeginWindowDrag(HWND window);

// The mouse-button mask of a mouse message: 1 left, 2 right, 4 middle.
int ButtonMask(WPARAM wParam);

// Remembers which control had the focus when a form was deactivated and gives it back when
// the form comes to the front again.
class FocusKeeper {
public:
    // Handles WM_ACTIVATE; true when the focus was given back and the message is done.
    bool OnActivate(HWND form, WPARAM wParam);

private:
    HWND lastFocus_ = nullptr;
};

} // namespace ui
