#pragma once

#include "UniqueHandle.h"

namespace ui {

// A top-level window whose messages reach a C++ object. The object owns the window.
class Window {
public:
    Window() = default;
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return window_.get(); }
    // Destroys the window now; the object stays and may create another.
    void Destroy() { DestroyWindow(window_.get()); }

protected:
    void CreateWindowFor(DWORD exStyle, const wchar_t* caption, DWORD style, RECT bounds,
                         HWND owner);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    UniqueWindow window_;
};

HINSTANCE ProgramInstance();

} // namespace ui
