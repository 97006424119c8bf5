#pragma once

#include <string>
#include <vector>
#include <windows.h>

// Presses `key` with the given modifiers held, on the control that has the focus, through the
// program's keyboard handling. With Alt held the system sends the key as a system key.
void PressChord(UINT key, bool ctrl, bool shift = false, bool alt = false);

// Presses a key alone on the control that has the focus.
inline void PressKey(UINT key) {
    PressChord(key, false);
}

// The clipboard's Unicode text.
std::u16string ClipboardUnicode();

// What a context menu showed while it was open.
struct MenuSeen {
    std::vector<std::u16string> Items; // a separator as ""
    std::vector<bool> Greyed;
    std::vector<bool> Checked;
};

// Right-clicks `window` at (40, 20); while the menu it opens is open, records it and types
// `keys` in it (no keys: Escape). A menu the keys leave open is closed with Escape, so that a
// key the menu ignores fails the test instead of hanging it.
MenuSeen RightClickMenu(HWND window, std::vector<UINT> keys = {});
