#pragma once

#include <windows.h>

namespace ui {

// Gives Tab, Shift+Tab and the arrow keys the dialog manager's meaning in the program's
// windows. Returns true when the message was handled and must not be dispatched.
bool TranslateDialogKeys(MSG& message);

// Runs the message loop until WM_QUIT and returns its exit code.
int RunMessageLoop();

} // namespace ui
