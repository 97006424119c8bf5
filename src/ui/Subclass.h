#pragma once

#include <windows.h>

#include <commctrl.h>

namespace ui {

// The ids of the program's window subclasses. The system tells a window's subclasses apart by
// procedure and id; one list of names keeps each id meaning one thing.
enum class SubclassId : UINT_PTR {
    PageBox = 1,               // the reader's page box: its keys, menu, wheel and font
    AccessibleAnswer = 0x4143, // a control's answer to screen readers
};

// Sole owner of one subclass of a window: installed on construction, removed on destruction
// unless the window is gone already (the system drops a destroyed window's subclasses).
class Subclass {
public:
    Subclass() = default;
    Subclass(HWND window, SUBCLASSPROC procedure, SubclassId id, DWORD_PTR data)
        : window_(window), procedure_(procedure), id_(id) {
        SetWindowSubclass(window_, procedure_, static_cast<UINT_PTR>(id_), data);
    }
    Subclass(const Subclass&) = delete;
    Subclass& operator=(const Subclass&) = delete;
    ~Subclass() {
        if (window_ != nullptr && IsWindow(window_)) {
            RemoveWindowSubclass(window_, procedure_, static_cast<UINT_PTR>(id_));
        }
    }

private:
    HWND window_ = nullptr;
    SUBCLASSPROC procedure_ = nullptr;
    SubclassId id_ = SubclassId::PageBox;
};

} // namespace ui
