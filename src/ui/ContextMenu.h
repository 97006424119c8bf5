#pragma once

#include <vector>
#include <windows.h>

namespace ui {

struct MenuChoice {
    UINT Id; // 0 for a separator
    const wchar_t* Text;
    bool Enabled;
    bool Checked = false;
};

// Shows a context menu of `choices` at `at` (screen coordinates) and waits for the user.
// Returns the Id of the chosen item, or 0 when the menu was closed without a choice.
UINT ChooseFromMenu(HWND owner, POINT at, const std::vector<MenuChoice>& choices);

// Where a WM_CONTEXTMENU message wants its menu: at the pointer, or for the keyboard's menu
// key (no position given) at `fallback`, in `window`'s client coordinates.
POINT ContextMenuPoint(HWND window, LPARAM lParam, POINT fallback);

} // namespace ui
