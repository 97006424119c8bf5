#pragma once

#include <windows.h>

namespace ui {

// What the program's windows need before a message is dispatched: tooltips see the mouse
// moving over their controls, and Tab, Shift+Tab and the arrow keys take the dialog manager's
// meaning. Returns true when the message was handled and must not be dispatched.
bool PreTranslateMessage(MSG& message);

// Handles one message as the message loop does: the program's own keys and the dialog
// manager first, then the window it is for.
void DispatchOne(MSG& message);

// Runs the message loop until WM_QUIT and returns its exit code.
int RunMessageLoop();

// Handles every message already waiting, as the message loop would, and returns.
void DispatchPendingMessages();

} // namespace ui
