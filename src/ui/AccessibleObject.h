#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <windows.h>
#include <oleacc.h>

namespace ui {

// What a control tells assistive technology about itself, read afresh every time it is asked,
// so that a name never goes stale.
struct AccessibleSource {
    std::function<std::u16string()> Name;
    long Role = ROLE_SYSTEM_CLIENT;
    // Unset: the standard object's value (a text box's text, for instance).
    std::function<std::optional<std::u16string>()> Value;
    std::u16string Description;
};

// The link between a control and the objects handed out for it. A screen reader may keep an
// object after the control is gone: the object then answers that it is disconnected.
struct AccessibleLink {
    AccessibleSource Source;
    bool Connected = true;
};

// The system's standard object for `window` (OBJID_CLIENT or OBJID_WINDOW), with the name,
// role, value and description of `link` in place of its own. Everything else (position,
// state, children, focus, actions) is the standard object's. Null when the system has none.
IAccessible* CreateNamedAccessible(HWND window, LONG objectId,
                                   std::shared_ptr<const AccessibleLink> link);

} // namespace ui
