#pragma once

#include "ReaderFixture.h"

#include <string>
#include <vector>
#include <windows.h>

// Catches every message box and dialog the program opens on this thread while it lives, records
// what it shows, and dismisses it with the button `press` (OK unless told).
class MessageBoxCatcher {
public:
    struct Seen {
        std::u16string Text;
        std::u16string Caption;
        HWND Owner = nullptr;
        bool InformationIcon = false;
        int Buttons = 0;
        bool OkButton = false;
        std::vector<HWND> EnabledTopLevel; // the program's windows still taking input
    };

    explicit MessageBoxCatcher(int press = IDOK);
    ~MessageBoxCatcher();
    MessageBoxCatcher(const MessageBoxCatcher&) = delete;
    MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

    const std::vector<Seen>& Boxes() const { return boxes_; }

private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK Inspect(HWND box, UINT, UINT_PTR timer, DWORD);
    UniqueHook hook_;
    std::vector<Seen> boxes_;
};
