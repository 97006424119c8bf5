#pragma once

#include "AccessibleObject.h"
#include "Controls.h"

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

// While it lives, `window` answers screen readers with the system's own object, not with the
// name given to it. Wine sends every message to a window so answered through a round trip to its
// server; a list being given thousands of entries pauses the answer and takes them many times
// faster.
class AccessibleAnswerPaused {
public:
    explicit AccessibleAnswerPaused(HWND window);
    ~AccessibleAnswerPaused();
    AccessibleAnswerPaused(const AccessibleAnswerPaused&) = delete;
    AccessibleAnswerPaused& operator=(const AccessibleAnswerPaused&) = delete;

private:
    HWND window_;
    DWORD_PTR link_ = 0; // what the answer works from, while it is paused
};

// A list about to take many entries at once: it neither redraws nor gives its own answer to
// screen readers until this object goes.
class ListBeingFilled {
public:
    explicit ListBeingFilled(HWND list) : quiet_(list), paused_(list) {}

private:
    RedrawSuspended quiet_;
    AccessibleAnswerPaused paused_;
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
