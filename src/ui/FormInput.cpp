#include "FormInput.h"

#include <commctrl.h>

namespace ui {

namespace {

LRESULT CALLBACK KeepPresses(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR) {
    switch (message) {
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        return 0; // nothing to do, and a group box must not take the focus
    default:
        return DefSubclassProc(control, message, wParam, lParam);
    }
}

LRESULT CALLBACK LikeAPushButton(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR) {
    if (message == WM_LBUTTONDBLCLK) {
        // An owner-drawn button reports a quick second click as a double click and nothing
        // else; a push button takes it as one more press, pressed look and click included.
        message = WM_LBUTTONDOWN;
    }
    if (message == WM_GETDLGCODE) {
        // An owner-drawn button answers as a plain button, which Enter does not press.
        return DLGC_BUTTON | (GetFocus() == button ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    }
    if (message == BM_SETSTYLE) {
        // The dialog manager may move the default look between push buttons by changing
        // their style; the button stays owner-drawn whatever it is given.
        wParam = (wParam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW;
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

} // namespace

void KeepMousePresses(HWND control) {
    SetWindowSubclass(control, KeepPresses, 0, 0);
}

void ActLikeAPushButton(HWND button) {
    SetWindowSubclass(button, LikeAPushButton, 0, 0);
}

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
