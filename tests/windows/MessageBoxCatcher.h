#pragma once

#include "ReaderFixture.h"

#include "Controls.h"

#include <string>
#include <vector>
#include <windows.h>

// Catches every message box and dialog the program opens on this thread while
// it lives, records what it shows, and dismisses it with OK.
class MessageBoxCatcher {
public:
    struct Seen {
        std::u16string Text;
        std::u16string Caption;
        HWND Owner = nullptr;
        bool InformationAndOk = false; // the information icon and an OK button alone
    };

    MessageBoxCatcher() : hook_(HookThisThread(WH_CBT, OnCbt)) { seenBoxes = &boxes_; }
    ~MessageBoxCatcher() { seenBoxes = nullptr; }
    MessageBoxCatcher(const MessageBoxCatcher&) = delete;
    MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

    const std::vector<Seen>& Boxes() const { return boxes_; }

private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
        wchar_t className[32]{};
        if (code == HCBT_ACTIVATE && GetClassNameW(reinterpret_cast<HWND>(wParam), className, 32) &&
            lstrcmpW(className, L"#32770") == 0) {
            // Inspect once the box has finished setting itself up.
            SetTimer(reinterpret_cast<HWND>(wParam), 1, 10, Inspect);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static void CALLBACK Inspect(HWND box, UINT, UINT_PTR timer, DWORD) {
        KillTimer(box, timer);
        if (seenBoxes == nullptr) {
            return;
        }
        Seen seen;
        seen.Text = ui::WindowText(GetDlgItem(box, 0xFFFF));
        seen.Caption = ui::WindowText(box);
        seen.Owner = GetWindow(box, GW_OWNER);
        int buttons = 0;
        for (HWND button = nullptr; (button = FindWindowExW(box, button, L"Button", nullptr));) {
            buttons += IsWindowVisible(button) ? 1 : 0;
        }
        seen.InformationAndOk =
            buttons == 1 && IsWindowVisible(GetDlgItem(box, IDOK)) &&
            reinterpret_cast<HICON>(SendDlgItemMessageW(box, 0x0440, STM_GETICON, 0, 0)) ==
                LoadIconW(nullptr, IDI_INFORMATION);
        seenBoxes->push_back(std::move(seen));
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    }
    static inline std::vector<Seen>* seenBoxes = nullptr;
    UniqueHook hook_;
    std::vector<Seen> boxes_;
};
