#include "Form.h"

#include "Accessibility.h"
#include "Dpi.h"

#include <algorithm>

namespace ui {

Form::Form(const FormLayout& layout) : layout_(layout), painting_(layout, controls_) {}

// The window goes first, while the fonts, brushes and pictures its controls use still exist.
Form::~Form() {
    if (IsLoaded()) {
        Destroy();
    }
}

void Form::Load(HWND owner) {
    const WindowLayout& window = layout_.Window;
    dpi_ = DpiOf(nullptr);
    painting_.CreateBrushes();
    CreateWindowFor(window.ExStyle, window.Caption, window.Style, WindowBounds(), owner);
    if (Handle() == nullptr) {
        return;
    }
    controls_.Create(Handle(), layout_, painting_.Background());
    tooltips_.Create(Handle(), controls_);
    ApplyDpi(DpiOf(Handle()));
}

// A window already shown in front is left as it is: asking again costs a round trip to the
// window system on some systems, at every poem a search result opens.
void Form::Show() {
    if (!IsWindowVisible(Handle())) {
        ShowWindow(Handle(), SW_SHOW);
    }
    if (GetForegroundWindow() != Handle()) {
        SetForegroundWindow(Handle());
    }
    if (!shownOnce_) {
        shownOnce_ = true;
        SetFocus(Control(FirstFocus()));
    }
}

void Form::Hide() {
    ShowWindow(Handle(), SW_HIDE);
}

void Form::Unload() {
    if (!IsLoaded()) {
        return;
    }
    bool cancel = false;
    Form_Unload(cancel);
    if (cancel) {
        Hide();
    } else {
        Destroy();
    }
}

HWND Form::Control(int id) const {
    const PlacedControl* placed = controls_.FindId(id);
    return placed != nullptr ? placed->Window : nullptr;
}

void Form::SetLabelCaption(int id, const std::u16string& caption) {
    if (const PlacedControl* placed = controls_.FindId(id)) {
        SetWindowTextW(placed->Window, reinterpret_cast<const wchar_t*>(caption.c_str()));
        controls_.FitLabel(Handle(), *placed);
        InvalidateRect(placed->Window, nullptr, TRUE);
        AnnounceNameChange(placed->Window); // a label is named by its caption
    }
}

void Form::Form_MouseDown(int button) {
    if (button == 1) { // the left button alone; any other combination does nothing
        BeginWindowDrag(Handle());
    }
}

RECT Form::WindowBounds() const {
    const WindowLayout& window = layout_.Window;
    const RECT client{0, 0, TwipsToPixels(window.ClientWidth, dpi_),
                      TwipsToPixels(window.ClientHeight, dpi_)};
    RECT outer = OuterRect(client, window.Style, window.ExStyle, dpi_);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    const int left = work.left + std::max(0L, (work.right - work.left - width) / 2);
    const int top = work.top + std::max(0L, (work.bottom - work.top - height) / 2);
    return {left, top, left + width, top + height};
}

void Form::FollowColourScheme(UINT message) {
    const bool switched = painting_.RefreshScheme();
    if (!switched && message != WM_SYSCOLORCHANGE) {
        return; // another setting changed
    }
    for (const PlacedControl& placed : controls_.All()) {
        if (placed.Window != nullptr) {
            SendMessageW(placed.Window, WM_SYSCOLORCHANGE, 0, 0); // common controls want it
        }
    }
    if (switched) {
        OnColourSchemeSwitched();
    }
    RedrawWindow(Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void Form::ApplyDpi(int dpi) {
    dpi_ = dpi;
    icons_.Apply(Handle(), layout_.Window.IconId, dpi_);
    controls_.ApplyLayout(Handle(), layout_, dpi_);
}

void Form::MoveToDpi(int dpi, const RECT& suggested) {
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ApplyDpi(dpi);
    InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (lParam != 0) { // from a control; Enter and Escape send IDOK and IDCANCEL, unused
            OnCommand(LOWORD(wParam), HIWORD(wParam));
        }
        return 0;
    case WM_DRAWITEM:
        if (painting_.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), dpi_)) {
            return TRUE;
        }
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        if (HBRUSH brush = painting_.ColourControl(reinterpret_cast<HDC>(wParam),
                                                   reinterpret_cast<HWND>(lParam))) {
            return reinterpret_cast<LRESULT>(brush);
        }
        break;
    case WM_ERASEBKGND:
        painting_.EraseBackground(Handle(), reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_PAINT:
        painting_.PaintOutlines(Handle(), dpi_);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        Form_MouseDown(ButtonMask(wParam));
        return 0;
    case WM_ACTIVATE:
        if (focus_.OnActivate(Handle(), wParam)) {
            return 0;
        }
        break;
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
        FollowColourScheme(message);
        break;
    case WM_DPICHANGED:
        MoveToDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        Unload();
        return 0;
    case WM_DESTROY:
        tooltips_.Forget();
        OnDestroyed();
        break;
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

} // namespace ui
