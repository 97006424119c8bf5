#pragma once

#include <new>
#include <windows.h>

namespace ui {

// Tells the user that what they just asked for could not be done for want of memory. One
// message at a time: a shortage while it is up is not told again.
void ReportMemoryShortage(HWND window) noexcept;

// Runs `handle`, the C++ side of a window's message. Memory running out in there must not end
// the program, and no exception may cross the system's code that called the window: the user
// is told, the message counts as handled, and the program goes on with what it has.
template <typename Handler>
LRESULT SurvivingMemoryShortage(HWND window, Handler&& handle) noexcept {
    try {
        return handle();
    } catch (const std::bad_alloc&) {
        ReportMemoryShortage(window);
        return 0;
    }
}

} // namespace ui
