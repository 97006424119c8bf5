#include "MessageBoxCatcher.h"

#include "Controls.h"

namespace {
std::vector<MessageBoxCatcher::Seen>* seenBoxes = nullptr;

BOOL CALLBACK CountButtons(HWND child, LPARAM seen) {
    wchar_t className[32]{};
    GetClassNameW(child, className, 32);
    auto& box = *reinterpret_cast<MessageBoxCatcher::Seen*>(seen);
    if (lstrcmpiW(className, L"Button") == 0 && IsWindowVisible(child)) {
        ++box.Buttons;
        box.OkButton = box.OkButton || GetDlgCtrlID(child) == IDOK;
    }
    return TRUE;
}

BOOL CALLBACK CollectEnabled(HWND window, LPARAM windows) {
    if (IsWindowVisible(window) && IsWindowEnabled(window)) {
        reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    }
    return TRUE;
}
} // namespace

MessageBoxCatcher::MessageBoxCatcher()
    : hook_(SetWindowsHookExW(WH_CBT, OnCbt, nullptr, GetCurrentThreadId())) {
    seenBoxes = &boxes_;
}

MessageBoxCatcher::~MessageBoxCatcher() {
    UnhookWindowsHookEx(hook_);
    seenBoxes = nullptr;
}

LRESULT CALLBACK MessageBoxCatcher::OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        wchar_t className[32]{};
        GetClassNameW(window, className, 32);
        if (lstrcmpW(className, L"#32770") == 0) {
            // Inspect once the box has finished setting itself up.
            SetTimer(window, 1, 10, Inspect);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK MessageBoxCatcher::Inspect(HWND box, UINT, UINT_PTR timer, DWORD) {
    KillTimer(box, timer);
    if (seenBoxes == nullptr) {
        return;
    }
    Seen seen;
    seen.Text = ui::WindowText(GetDlgItem(box, 0xFFFF));
    seen.Caption = ui::WindowText(box);
    seen.Owner = GetWindow(box, GW_OWNER);
    const auto icon = reinterpret_cast<HICON>(SendDlgItemMessageW(box, 0x0440, STM_GETICON, 0, 0));
    seen.InformationIcon = icon != nullptr && icon == LoadIconW(nullptr, IDI_INFORMATION);
    EnumChildWindows(box, CountButtons, reinterpret_cast<LPARAM>(&seen));
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabled,
                      reinterpret_cast<LPARAM>(&seen.EnabledTopLevel));
    std::erase(seen.EnabledTopLevel, box);
    seenBoxes->push_back(std::move(seen));
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}
