#pragma once

#include <windows.h>

namespace ui {

// Starts moving `window` with the mouse, as a press on its caption bar would.
void BeginWindowDrag(HWND window);

// The mouse-button mask of a mouse message: 1 left, 2 right, 4 middle.
int ButtonMask(WPARAM wParam);

// Makes a label or a group box keep the mouse presses on it. By default these controls let
// presses through to the window below, where a left press would start moving the window.
void KeepMousePresses(HWND control);

// Makes an owner-drawn button behave as a push button: every click counts, however quickly it
// follows the last one, and the dialog manager sees a push button that Enter presses while it
// has the focus. It never claims to be the default button otherwise, so Enter in any other
// control presses nothing.
void ActLikeAPushButton(HWND button);

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
