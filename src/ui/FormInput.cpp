#include "FormInput.h"

namespace ui {

void BeginWindowDrag(HWND window) {
    ReleaseCapture();
    SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

int ButtonMask(WPARAM wParam) {
    return ((wParam & MK_LBUTTON) ? 1 : 0) | ((wParam & MK_RBUTTON) ? 2 : 0) |
           ((wParam & MK_MBUTTON) ? 4 : 0);
}

bool FocusKeeper::OnActivate(HWND form, WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(form, focus)) {
            lastFocus_ = focus;
        }
        return false;
    }
    if (lastFocus_ != nullptr && IsWindow(lastFocus_)) {
        SetFocus(lastFocus_);
        return true;
    }
    return false;
}

} // namespace ui
