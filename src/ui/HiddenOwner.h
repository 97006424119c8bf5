#pragma once

#include "Window.h"

namespace ui {

// A window that is never shown. Owning a window by it keeps that window off the taskbar
// while it keeps its ordinary caption bar.
class HiddenOwner final : public Window {
public:
    void Create() { CreateWindowFor(0, L"", WS_POPUP, RECT{0, 0, 0, 0}, nullptr); }
};

} // namespace ui
