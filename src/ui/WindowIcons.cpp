#include "WindowIcons.h"

#include "Dpi.h"
#include "Window.h"

namespace ui {

namespace {

UniqueIcon LoadIconOfSize(int id, int size) {
    return UniqueIcon(static_cast<HICON>(LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(id),
                                                    IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

} // namespace

void WindowIcons::Apply(HWND window, int iconId, int dpi) {
    if (iconId == 0) {
        return;
    }
    // The window keeps using the old icons until it is given the new ones.
    UniqueIcon big = LoadIconOfSize(iconId, SystemMetricAt(SM_CXICON, dpi));
    UniqueIcon small = LoadIconOfSize(iconId, SystemMetricAt(SM_CXSMICON, dpi));
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    big_ = std::move(big);
    small_ = std::move(small);
}

} // namespace ui
