// How the vertical page answers the keyboard, the scroll bar, the wheel and a drag.
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
void VerticalPage::HandleWheel(int delta, bool /*tilted*/) {
    wheel_ -= delta;
    const int notches = wheel_ / WHEEL_DELTA;
    wheel_ -= notches * WHEEL_DELTA;
    ScrollByColumns(notches * WheelColumns);
}

void VerticalPage::ScrollTowards(POINT outside) {
    if (outside.x < 0) {
        ScrollByColumns(1);
    } else if (outside.x >= Client().right) {
        ScrollByColumns(-1);
    }
}
