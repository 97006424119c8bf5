#pragma once

#include "Form1.h"
#include "MessageLoop.h"

#include <windows.h>

// Sends a key to `window`, or has the reader run a command, and waits until all it caused is
// painted. The reader's own keys are the message loop's, which a key sent straight to a window
// passes by: those are run as the commands they stand for.
inline void PressAndPaint(HWND window, UINT key, Form1& reader, int command = 0) {
    if (command != 0) {
        reader.RunCommand(command);
    } else {
        SendMessageW(window, WM_KEYDOWN, key, 1);
    }
    ui::DispatchPendingMessages();
    UpdateWindow(window);
}
