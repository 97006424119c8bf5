#include "MemoryShortage.h"

#include "MessageBox.h"
#include "ProgramTexts.h"

namespace ui {

void ReportMemoryShortage(HWND window) noexcept {
    static bool reporting = false;
    if (reporting) {
        return;
    }
    reporting = true;
    HWND owner = window != nullptr ? GetAncestor(window, GA_ROOT) : nullptr;
    try {
        ShowInformation(owner, texts::MemoryShortMessage, texts::ProgramName);
    } catch (const std::bad_alloc&) {
        // Too little even for the usual message: the system's box needs nothing of ours.
        MessageBoxW(owner, reinterpret_cast<const wchar_t*>(texts::MemoryShortMessage),
                    reinterpret_cast<const wchar_t*>(texts::ProgramName),
                    MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
    }
    reporting = false;
}

} // namespace ui
