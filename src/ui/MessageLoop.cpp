#include "MessageLoop.h"

#include "KeyRouting.h"
#include "Tooltips.h"

namespace ui {

bool PreTranslateMessage(MSG& message) {
    if (FilterKey(message)) {
        return true;
    }
    if (message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST) {
        RelayMouseToTooltip(message);
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
