#pragma once

#include "UniqueHandle.h"

namespace ui {

// The big and the small icon of a window, from one icon resource.
class WindowIcons {
public:
    // Loads the icon in the sizes the window's title bar and the taskbar ask for at `dpi`,
    // and hands them to `window`.
    void Apply(HWND window, int iconId, int dpi);

private:
    UniqueIcon big_;
    UniqueIcon small_;
};

} // namespace ui
