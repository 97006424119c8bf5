#pragma once

#include <string>
#include <vector>
#include <windows.h>

// Presses a key with Ctrl held down, on the control that has the focus.
void PressWithControl(UINT key);

// The clipboard's Unicode text.
std::u16string ClipboardUnicode();

// What a context menu showed, and the keys typed in it before it closed.
struct MenuSeen {
    std::vector<std::u16string> Items;
    std::vector<bool> Greyed;
    std::vector<bool> Checked;
};

// Right-clicks `window` at (40, 20) and, while its menu is open, types `keys` in it (Escape
// after them closes a menu the keys left open).
MenuSeen RightClickAndType(HWND window, std::vector<UINT> keys);
