#pragma once

#include <string>
#include <vector>
#include <windows.h>

// Presses `key` with the given modifiers held, on the control that has the focus, through the
// program's keyboard handling. With Alt held the system sends the key as a system key.
void PressChord(UINT key, bool ctrl, bool shift = false, bool alt = false);

// What a context menu showed while it was open.
struct MenuSeen {
    std::vector<std::u16string> Items; // a separator as ""
    std::vector<bool> Greyed;
    POINT At{}; // its top-left corner on the screen
};

// Runs `open`, which opens a context menu of this thread; while the menu is open, records it
// and types `keys` in it, which must close it; no keys: Escape.
MenuSeen WatchMenu(void (*open)(void* context), void* context, std::vector<UINT> keys);
