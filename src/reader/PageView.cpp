#include "PageView.h"

#include "DeviceContext.h"
#include "MemoryShortage.h"
#include "PageSelection.h"

#include <algorithm>
#include <windowsx.h>

namespace {

constexpr int WheelLines = 3; // columns or rows a notch of the mouse wheel scrolls

} // namespace

PageView::PageView(const PageBox& box, const ui::Form& form, const wchar_t* className, bool across)
    : page_(box), box_(box.Handle()), form_(form), across_(across) {
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    description.style = CS_DBLCLKS;
    description.lpfnWndProc = &PageView::Procedure;
    description.hInstance = GetModuleHandleW(nullptr);
    description.hCursor = LoadCursorW(nullptr, IDC_IBEAM);
    description.lpszClassName = className;
    RegisterClassExW(&description); // fails, harmlessly, for the second view of a class
    // Right after the box in Tab order, with the box's border.
    window_.reset(CreateWindowExW(WS_EX_CLIENTEDGE, className, L"",
                                  WS_CHILD | WS_TABSTOP | (across ? WS_HSCROLL : WS_VSCROLL), 0, 0,
                                  0, 0, GetParent(box_), nullptr, GetModuleHandleW(nullptr),
                                  nullptr));
    Place();
    // Only now: until the view is made, its messages must not reach its layout.
    SetWindowLongPtrW(Handle(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

PageView::~PageView() {
    if (Handle() != nullptr) {
        SetWindowLongPtrW(Handle(), GWLP_USERDATA, 0);
    }
}

LRESULT CALLBACK PageView::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* view = reinterpret_cast<PageView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (view == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) { // destroyed with the reader window
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        view->window_.release();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return ui::SurvivingMemoryShortage(
        window, [&] { return view->HandleMessage(message, wParam, lParam); });
}

bool PageView::IsOn() const {
    return (GetWindowLongW(Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void PageView::SetOn(bool on) {
    if (on == IsOn() || Handle() == nullptr) {
        return;
    }
    HWND shown = on ? Handle() : box_;
    HWND hidden = on ? box_ : Handle();
    const bool focused = GetFocus() == hidden;
    Forget();
    scrolled_ = 0;
    Place();
    ShowWindow(shown, SW_SHOW);
    ShowWindow(hidden, SW_HIDE);
    if (focused) {
        SetFocus(shown);
    }
    if (!on) {
        Forget(); // the horizontal page needs none of it
    }
}

void PageView::SetRuns(std::array<PageRun, 4> runs, const std::array<RunLook, 4>& looks,
                       PageMarks marks) {
    runs_ = std::move(runs);
    looks_ = looks;
    marks_ = std::move(marks);
    Forget();
    scrolled_ = 0;
}

void PageView::SetZoomPercent(int percent) {
    zoom_ = std::clamp(percent, 10, 1000);
    Forget();
}

void PageView::FollowBox() {
    Forget();
    Place();
}

void PageView::SetMarks(PageMarks marks) {
    marks_ = std::move(marks);
    Repaint();
}

void PageView::Repaint() const {
    if (Handle() != nullptr) {
        InvalidateRect(Handle(), nullptr, FALSE);
    }
}

void PageView::Place() {
    if (Handle() == nullptr) {
        return;
    }
    RECT rect{};
    GetWindowRect(box_, &rect);
    MapWindowPoints(nullptr, GetParent(box_), reinterpret_cast<POINT*>(&rect), 2);
    SetWindowPos(Handle(), box_, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOACTIVATE);
}

RECT PageView::Client() const {
    RECT client{};
    GetClientRect(Handle(), &client);
    return client;
}

int PageView::ClientLength() const {
    const RECT client = Client();
    return across_ ? client.right : client.bottom;
}

int PageView::MaxScroll() {
    return std::max(0, ContentLength() - ClientLength());
}

void PageView::UpdateScrollBar() {
    SCROLLINFO bar{};
    bar.cbSize = sizeof bar;
    bar.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    const int page = ClientLength();
    bar.nMax = MaxScroll() > 0 ? MaxScroll() + page - 1 : 0;
    bar.nPage = MaxScroll() > 0 ? static_cast<UINT>(page) : 0;
    // Across, the thumb starts at the right, where the first column is.
    bar.nPos = across_ ? MaxScroll() - scrolled_ : scrolled_;
    SetScrollInfo(Handle(), across_ ? SB_HORZ : SB_VERT, &bar, TRUE);
}

void PageView::ScrollTo(int scrolled) {
    LayOut();
    const int clamped = std::clamp(scrolled, 0, MaxScroll());
    if (clamped != scrolled_) {
        scrolled_ = clamped;
        UpdateScrollBar();
        Repaint();
    }
}

// The arrows and paging keys scroll: left, or down, reads on.
bool PageView::HandleKey(WPARAM key) {
    if (GetKeyState(VK_CONTROL) < 0) {
        return false;
    }
    LayOut();
    if (key == (across_ ? VK_LEFT : VK_DOWN)) {
        ScrollTo(scrolled_ + LineStep());
    } else if (key == (across_ ? VK_RIGHT : VK_UP)) {
        ScrollTo(scrolled_ - LineStep());
    } else if (key == VK_NEXT) {
        ScrollTo(scrolled_ + KeyPageStep());
    } else if (key == VK_PRIOR) {
        ScrollTo(scrolled_ - KeyPageStep());
    } else if (key == VK_HOME) {
        ScrollTo(0);
    } else if (key == VK_END) {
        ScrollTo(MaxScroll());
    } else {
        return false;
    }
    return true;
}

// Across, the bar's right end is the page's start; its requests name the same ends either way
// (SB_LINELEFT is SB_LINEUP, SB_LEFT is SB_TOP).
void PageView::HandleScrollBar(int request) {
    LayOut();
    const int onwards = across_ ? -1 : 1; // what the bar's down or right means
    switch (request) {
    case SB_LINEDOWN:
        ScrollTo(scrolled_ + onwards * LineStep());
        break;
    case SB_LINEUP:
        ScrollTo(scrolled_ - onwards * LineStep());
        break;
    case SB_PAGEDOWN:
        ScrollTo(scrolled_ + onwards * ClientLength());
        break;
    case SB_PAGEUP:
        ScrollTo(scrolled_ - onwards * ClientLength());
        break;
    case SB_TOP:
        ScrollTo(across_ ? MaxScroll() : 0);
        break;
    case SB_BOTTOM:
        ScrollTo(across_ ? 0 : MaxScroll());
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO bar{};
        bar.cbSize = sizeof bar;
        bar.fMask = SIF_TRACKPOS;
        GetScrollInfo(Handle(), across_ ? SB_HORZ : SB_VERT, &bar);
        ScrollTo(across_ ? MaxScroll() - bar.nTrackPos : bar.nTrackPos);
        break;
    }
    default:
        break;
    }
}

// The wheel turned towards the user reads on; tilted right, a page across goes back.
void PageView::HandleWheel(int delta, bool tilted) {
    if (tilted && !across_) {
        return; // the rows are as wide as the view
    }
    LayOut();
    wheel_ += delta;
    const int notches = wheel_ / WHEEL_DELTA;
    wheel_ -= notches * WHEEL_DELTA;
    ScrollTo(scrolled_ - notches * WheelLines * LineStep());
}

// Dragged beyond an edge, the selection reads on there.
void PageView::ScrollTowards(POINT outside) {
    const LONG at = across_ ? outside.x : outside.y;
    const int towardsStart = across_ ? 1 : -1; // beyond the left or top edge
    if (at < 0) {
        ScrollTo(scrolled_ + towardsStart * LineStep());
    } else if (at >= ClientLength()) {
        ScrollTo(scrolled_ - towardsStart * LineStep());
    }
}

void PageView::Copy() const {
    SendMessageW(box_, WM_COPY, 0, 0);
}

LRESULT PageView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        PaintWindow();
        return 0;
    case WM_PRINTCLIENT:
        LayOut();
        PaintView(reinterpret_cast<HDC>(wParam));
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
        // Everything else is the box's: selecting, copying, the page's commands.
        SendMessageW(box_, message, wParam, lParam);
        Repaint();
        return 0;
    case WM_CHAR:
        SendMessageW(box_, message, wParam, lParam);
        return 0;
    case WM_COPY:
        Copy();
        return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
        HandleScrollBar(LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        if ((GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) != 0) {
            SendMessageW(box_, message, wParam, lParam); // sizes the page, as over the box
            return 0;
        }
        HandleWheel(GET_WHEEL_DELTA_WPARAM(wParam), false);
        return 0;
    case WM_MOUSEHWHEEL:
        HandleWheel(GET_WHEEL_DELTA_WPARAM(wParam), true);
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
    return DefWindowProcW(Handle(), message, wParam, lParam);
}

// Pressing and dragging selects in the box, from where the button went down.
void PageView::HandleMouse(UINT message, LPARAM lParam) {
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
            const RECT client = Client();
            if (!PtInRect(&client, point)) { // dragged beyond an edge: reads on there
                ScrollTowards(point);
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
    Repaint();
}

// The box's menu, with everything it offers, at the pointer or, from the keyboard, at the
// start of the selection.
void PageView::ShowMenu(LPARAM lParam) {
    if (lParam == -1) {
        const CHARRANGE selection = PageSelection(box_);
        const RECT client = Client();
        POINT at{client.right / 2, client.bottom / 2};
        if (const std::optional<RECT> cell = CellRect(static_cast<uint32_t>(selection.cpMin));
            cell && cell->left >= 0 && cell->right <= client.right && cell->top >= 0 &&
            cell->bottom <= client.bottom) {
            at = {cell->left, cell->bottom};
        }
        ClientToScreen(Handle(), &at);
        lParam = MAKELPARAM(at.x, at.y);
    }
    SendMessageW(box_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(box_), lParam);
    Repaint();
}

// Paints into a memory bitmap first, so that a scroll shows no flicker.
void PageView::PaintWindow() {
    const ui::PaintDc target(Handle());
    LayOut(); // first: it may bring or take the scroll bar
    const RECT client = Client();
    const ui::MemoryDc buffer(target.Get());
    const ui::UniqueBitmap bitmap(CreateCompatibleBitmap(
        target.Get(), std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)));
    const ui::Selected selected(buffer.Get(), bitmap.get());
    PaintView(buffer.Get());
    BitBlt(target.Get(), 0, 0, client.right, client.bottom, buffer.Get(), 0, 0, SRCCOPY);
}
