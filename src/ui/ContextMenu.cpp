#include "ContextMenu.h"

#include "UniqueHandle.h"

#include <windowsx.h>

namespace ui {

UINT ChooseFromMenu(HWND owner, POINT at, const std::vector<MenuChoice>& choices) {
    const UniqueMenu menu(CreatePopupMenu());
    if (!menu) {
        return 0;
    }
    for (const MenuChoice& choice : choices) {
        if (choice.Id == 0) {
            AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        AppendMenuW(menu.get(),
                    MF_STRING | (choice.Enabled ? MF_ENABLED : MF_GRAYED) |
                        (choice.Checked ? MF_CHECKED : MF_UNCHECKED),
                    choice.Id, choice.Text);
    }
    const BOOL chosen = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                       at.x, at.y, 0, owner, nullptr);
    return static_cast<UINT>(chosen);
}

POINT ContextMenuPoint(HWND window, LPARAM lParam, POINT fallback) {
    if (lParam != -1) {
        return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    }
    ClientToScreen(window, &fallback);
    return fallback;
}

} // namespace ui
