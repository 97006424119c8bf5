#include "KeyRouting.h"

#include <map>

namespace ui {

namespace {

std::map<HWND, KeyFilter>& Filters() {
    static std::map<HWND, KeyFilter> filters;
    return filters;
}

} // namespace

void FilterKeysOf(HWND form, KeyFilter filter) {
    if (filter) {
        Filters()[form] = std::move(filter);
    } else {
        Filters().erase(form);
    }
}

bool FilterKey(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN &&
        message.message != WM_KEYUP && message.message != WM_MOUSEWHEEL) {
        return false;
    }
    if (Filters().empty()) {
        return false;
    }
    const auto found = Filters().find(GetAncestor(message.hwnd, GA_ROOT));
    // A copy: the filter may open a window whose filter changes the map meanwhile.
    const KeyFilter filter = found != Filters().end() ? found->second : KeyFilter();
    return filter && filter(message);
}

} // namespace ui
