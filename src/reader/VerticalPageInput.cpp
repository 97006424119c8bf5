// How the vertical page answers the keyboard, the mouse, the scroll bar and the menu key.
#include "VerticalPage.h"

#include "PageSelection.h"

#include <algorithm>
#include <richedit.h>
#include <windowsx.h>

namespace {

constexpr int WheelColumns = 3; // columns a notch of the mouse wheel scrolls

bool CtrlIsDown() {
    return GetKeyState(VK_CONTROL) < 0;
}

} // namespace

LRESULT VerticalPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = Handle();
    switch (message) {
    case WM_PAINT:
        PaintWindow();
        return 0;
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1; // painted whole in WM_PAINT
    case WM_SIZE:
        Forget();
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
        if (HandleKey(wParam)) {
            return 0;
        }
        // Everything else is the box's: copying, selecting, the page's commands.
        SendMessageW(box_, message, wParam, lParam);
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_CHAR:
        SendMessageW(box_, message, wParam, lParam);
        return 0;
    case WM_COPY:
        SendMessageW(box_, WM_COPY, 0, 0);
        return 0;
    case WM_HSCROLL:
        HandleScrollBar(LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        if ((GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) != 0) {
            SendMessageW(box_, message, wParam, lParam); // sizes the page, as over the box
            return 0;
        }
        HandleWheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_MOUSEHWHEEL:
        HandleWheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        HandleMouse(message, lParam);
        return 0;
    case WM_CONTEXTMENU:
        ShowMenu(lParam);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The arrows and paging keys scroll: left is onwards, as the columns follow each other.
bool VerticalPage::HandleKey(WPARAM key) {
    if (CtrlIsDown()) {
        return false;
    }
    const int page = std::max(1, geometry_.ColumnsIn(Client().right) - 1);
    switch (key) {
    case VK_LEFT:
        ScrollByColumns(1);
        return true;
    case VK_RIGHT:
        ScrollByColumns(-1);
        return true;
    case VK_NEXT:
        ScrollByColumns(page);
        return true;
    case VK_PRIOR:
        ScrollByColumns(-page);
        return true;
    case VK_HOME:
        ScrollTo(0);
        return true;
    case VK_END:
        ScrollTo(MaxScroll());
        return true;
    default:
        return false;
    }
}

void VerticalPage::HandleScrollBar(int request) {
    Layout();
    const int page = Client().right;
    switch (request) {
    case SB_LINELEFT:
        ScrollByColumns(1);
        break;
    case SB_LINERIGHT:
        ScrollByColumns(-1);
        break;
    case SB_PAGELEFT:
        ScrollTo(scrolled_ + page);
        break;
    case SB_PAGERIGHT:
        ScrollTo(scrolled_ - page);
        break;
    case SB_LEFT:
        ScrollTo(MaxScroll());
        break;
    case SB_RIGHT:
        ScrollTo(0);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO bar{};
        bar.cbSize = sizeof bar;
        bar.fMask = SIF_TRACKPOS;
        GetScrollInfo(Handle(), SB_HORZ, &bar);
        ScrollTo(MaxScroll() - bar.nTrackPos);
        break;
    }
    default:
        break;
    }
}

// The wheel turned towards the user reads on, to the left; tilted right it goes back.
void VerticalPage::HandleWheel(int delta) {
    wheel_ -= delta;
    const int notches = wheel_ / WHEEL_DELTA;
    wheel_ -= notches * WHEEL_DELTA;
    ScrollByColumns(notches * WheelColumns);
}

// Pressing and dragging selects in the box, from where the button went down.
void VerticalPage::HandleMouse(UINT message, LPARAM lParam) {
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetFocus(Handle());
        anchor_ = PositionAtPoint(point);
        SetCapture(Handle());
        SendMessageW(box_, EM_SETSEL, *anchor_, *anchor_);
        break;
    case WM_MOUSEMOVE:
        if (anchor_) {
            const LONG width = Client().right;
            if (point.x < 0 || point.x >= width) { // dragged beyond an edge: reads on there
                ScrollByColumns(point.x < 0 ? 1 : -1);
            }
            SendMessageW(box_, EM_SETSEL, *anchor_, PositionAtPoint(point));
        }
        break;
    case WM_LBUTTONUP:
        if (anchor_) {
            ReleaseCapture(); // ends the drag through WM_CAPTURECHANGED
        }
        break;
    case WM_CAPTURECHANGED:
        anchor_.reset();
        break;
    default:
        break;
    }
    InvalidateRect(Handle(), nullptr, FALSE);
}

// The box's menu, with everything it offers, at the pointer or, from the keyboard, at the
// start of the selection.
void VerticalPage::ShowMenu(LPARAM lParam) {
    if (lParam == -1) {
        const CHARRANGE selection = PageSelection(box_);
        const RECT client = Client();
        POINT at{client.right / 2, client.bottom / 2};
        if (const std::optional<RECT> cell = CellRect(static_cast<uint32_t>(selection.cpMin));
            cell && cell->left >= 0 && cell->right <= client.right) {
            at = {cell->left, cell->bottom};
        }
        ClientToScreen(Handle(), &at);
        lParam = MAKELPARAM(at.x, at.y);
    }
    SendMessageW(box_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(box_), lParam);
    InvalidateRect(Handle(), nullptr, FALSE);
}
