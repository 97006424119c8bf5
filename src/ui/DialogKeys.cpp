#include "DialogKeys.h"

#include "KeyRouting.h"

#include <commctrl.h>
#include <map>

namespace ui {

namespace {

// Tooltips learn about the mouse from the message loop rather than by subclassing each
// control: a subclassed control pays for every message it gets, and a list box filled with
// thousands of entries gets thousands of messages.
std::map<HWND, HWND>& Tooltips() {
    static std::map<HWND, HWND> tooltips;
    return tooltips;
}

bool IsMouseMessage(UINT message) {
    return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST;
}

} // namespace

void RelayMouseToTooltip(HWND form, HWND tooltip) {
    if (tooltip == nullptr) {
        Tooltips().erase(form);
    } else {
        Tooltips()[form] = tooltip;
    }
}

bool PreTranslateMessage(MSG& message) {
    if (FilterKey(message)) {
        return true;
    }
    if (IsMouseMessage(message.message)) {
        const auto tooltip = Tooltips().find(GetAncestor(message.hwnd, GA_ROOT));
        if (tooltip != Tooltips().end()) {
            SendMessageW(tooltip->second, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
        }
        return false;
    }
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) {
        return false;
    }
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    return root != nullptr && IsDialogMessageW(root, &message);
}

namespace {

void Dispatch(MSG& message) {
    if (!PreTranslateMessage(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace

int RunMessageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        Dispatch(message);
    }
    return static_cast<int>(message.wParam);
}

void DispatchPendingMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        Dispatch(message);
    }
}

} // namespace ui
