#include "Window.h"

#include "MemoryShortage.h"

namespace ui {

namespace {
constexpr wchar_t ClassName[] = L"LuxiTangForm";
} // namespace

HINSTANCE ProgramInstance() {
    return GetModuleHandleW(nullptr);
}

void Window::CreateWindowFor(DWORD exStyle, const wchar_t* caption, DWORD style, RECT bounds,
                             HWND owner) {
    static const ATOM windowClass = [] {
        WNDCLASSEXW description{};
        description.cbSize = sizeof description;
        description.lpfnWndProc = &Window::WindowProcedure;
        description.hInstance = ProgramInstance();
        description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        description.lpszClassName = ClassName;
        return RegisterClassExW(&description);
    }();
    (void)windowClass;
    CreateWindowExW(exStyle, ClassName, caption, style, bounds.left, bounds.top,
                    bounds.right - bounds.left, bounds.bottom - bounds.top, owner, nullptr,
                    ProgramInstance(), this);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window_.get(), message, wParam, lParam);
}

LRESULT CALLBACK Window::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        // The object comes with the creation parameters; from here on it gets every message.
        auto* created = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<Window*>(created->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_.reset(window);
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_.release(); // the system has destroyed it already
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return SurvivingMemoryShortage(window,
                                   [&] { return self->HandleMessage(message, wParam, lParam); });
}

} // namespace ui
