#pragma once

#include <functional>
#include <windows.h>

namespace ui {

// Sees a key press or a mouse-wheel turn meant for the window or any of its controls before
// they do. Returns true when it handled the message, which then goes nowhere else.
using KeyFilter = std::function<bool(const MSG& message)>;

// Gives `form`'s keys to `filter` first; an empty filter ends that.
void FilterKeysOf(HWND form, KeyFilter filter);

// Offers a key-down or wheel message to the filter of the window it belongs to.
bool FilterKey(const MSG& message);

} // namespace ui
