#pragma once

#include <windows.h>

namespace ui {

// Keeps a shown window from drawing while it changes, then has it drawn whole, its frame and
// scroll bars too, which a window that changed size of content while not drawing may miss.
// Only for a window that is shown: turning drawing back on makes a window visible.
class RedrawPaused {
public:
    explicit RedrawPaused(HWND window) : window_(window) {
        SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
    }
    RedrawPaused(const RedrawPaused&) = delete;
    RedrawPaused& operator=(const RedrawPaused&) = delete;
    ~RedrawPaused() {
        SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE);
    }

private:
    HWND window_;
};

} // namespace ui
