#include "MessageBoxCatcher.h"

#include "Controls.h"

namespace {
std::vector<MessageBoxCatcher::Seen>* seenBoxes = nullptr;
int pressed = IDOK;

} // namespace

MessageBoxCatcher::MessageBoxCatcher(int press) : hook_(HookThisThread(WH_CBT, OnCbt)) {
    seenBoxes = &boxes_;
    pressed = press;
}

MessageBoxCatcher::~MessageBoxCatcher() {
    seenBoxes = nullptr;
    pressed = IDOK;
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
    for (HWND button = nullptr; (button = FindWindowExW(box, button, L"Button", nullptr));) {
        if (IsWindowVisible(button)) {
            ++seen.Buttons;
            seen.OkButton = seen.OkButton || GetDlgCtrlID(button) == IDOK;
        }
    }
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, nullptr));) {
        if (window != box && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId() &&
            IsWindowVisible(window) && IsWindowEnabled(window)) {
            seen.EnabledTopLevel.push_back(window);
        }
    }
    seenBoxes->push_back(std::move(seen));
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(pressed, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, pressed)));
}
