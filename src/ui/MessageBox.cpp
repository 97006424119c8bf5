#include "MessageBox.h"

#include <vector>

namespace ui {

namespace {

BOOL CALLBACK CollectEnabled(HWND window, LPARAM windows) {
    if (IsWindowVisible(window) && IsWindowEnabled(window)) {
        reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    }
    return TRUE;
}

// Disables the thread's other top-level windows for as long as it lives.
class OtherWindowsDisabled {
public:
    explicit OtherWindowsDisabled(HWND owner) {
        EnumThreadWindows(GetCurrentThreadId(), CollectEnabled,
                          reinterpret_cast<LPARAM>(&windows_));
        std::erase(windows_, owner);
        for (HWND window : windows_) {
            EnableWindow(window, FALSE);
        }
    }
    ~OtherWindowsDisabled() {
        for (HWND window : windows_) {
            if (IsWindow(window)) {
                EnableWindow(window, TRUE);
            }
        }
    }
    OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
    OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

private:
    std::vector<HWND> windows_;
};

} // namespace

void ShowInformation(HWND owner, const std::u16string& text, const std::u16string& caption) {
    const OtherWindowsDisabled modal(owner);
    MessageBoxW(owner, reinterpret_cast<const wchar_t*>(text.c_str()),
                reinterpret_cast<const wchar_t*>(caption.c_str()),
                MB_OK | MB_ICONINFORMATION | MB_APPLMODAL);
}

} // namespace ui
