#include "MessageLoop.h"

#include "KeyRouting.h"
#include "MemoryShortage.h"
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

// The program's keys run their commands from here, outside any window procedure, so memory
// running out in one of them is caught here.
void DispatchOne(MSG& message) {
    SurvivingMemoryShortage(message.hwnd, [&]() -> LRESULT {
        if (!PreTranslateMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        return 0;
    });
}

int RunMessageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchOne(message);
    }
    return static_cast<int>(message.wParam);
}

void DispatchPendingMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchOne(message);
    }
}

} // namespace ui
