#pragma once

#include "AccessibleObject.h"

#include <memory>
#include <deque>

namespace ui {

// The names and roles of one form's windows for screen readers, given through the system's own
// way of asking (WM_GETOBJECT). A window keeps its text: only what assistive technology is told
// changes.
class AccessibleNames {
public:
    AccessibleNames() = default;
    ~AccessibleNames();
    AccessibleNames(const AccessibleNames&) = delete;
    AccessibleNames& operator=(const AccessibleNames&) = delete;

    // From now on `window` answers with what `source` says.
    void Give(HWND window, AccessibleSource source);

private:
    struct Given {
        HWND Window;
        std::shared_ptr<AccessibleLink> Link;
    };
    std::deque<Given> given_; // a deque: the subclasses keep pointers to its entries
};

// Tells listening screen readers that `window`'s name (and with it what it shows) changed.
void AnnounceNameChange(HWND window);

// The thread's COM apartment, which objects handed to other processes need.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

} // namespace ui
