#include "KeyChords.h"

#include "MessageLoop.h"

namespace {

void SetHeld(BYTE* keys, int key, int side, bool held) {
    keys[key] = held ? 0x80 : 0;
    keys[side] = held ? 0x80 : 0;
}

void Type(UINT key) {
    keybd_event(static_cast<BYTE>(key), 0, 0, 0);
    keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
}

struct MenuWatch {
    MenuSeen Seen;
    std::vector<UINT> Keys;
    int TicksSinceTyped = -1; // -1 until the keys are typed
};
MenuWatch* watch = nullptr;

void CALLBACK InspectMenu(HWND, UINT, UINT_PTR, DWORD) {
    HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (watch == nullptr || menuWindow == nullptr || !IsWindowVisible(menuWindow)) {
        return; // not open yet, or closed; a menu that never opens is seen as empty
    }
    if (watch->TicksSinceTyped >= 0) {
        // The keys were handled long before; one that chose nothing left the menu open.
        if (++watch->TicksSinceTyped == 4) {
            Type(VK_ESCAPE);
        }
        return;
    }
    auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64]{};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        watch->Seen.Items.push_back(reinterpret_cast<const char16_t*>(text));
        watch->Seen.Greyed.push_back((state & (MF_GRAYED | MF_DISABLED)) != 0);
        watch->Seen.Checked.push_back((state & MF_CHECKED) != 0);
    }
    for (const UINT key : watch->Keys) { // typed on the keyboard, as the menu expects them
        Type(key);
    }
    watch->TicksSinceTyped = 0;
}

} // namespace

void PressChord(UINT key, bool ctrl, bool shift, bool alt) {
    BYTE keys[256]{};
    GetKeyboardState(keys);
    SetHeld(keys, VK_CONTROL, VK_LCONTROL, ctrl);
    SetHeld(keys, VK_SHIFT, VK_LSHIFT, shift);
    SetHeld(keys, VK_MENU, VK_LMENU, alt);
    SetKeyboardState(keys);
    const bool system = alt || key == VK_F10; // as the system sends them
    const LPARAM altDown = alt ? LPARAM{1} << 29 : 0;
    for (const bool down : {true, false}) {
        const UINT stroke =
            down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
        const LPARAM repeat = down ? 1 : static_cast<LPARAM>(0xC0000001u);
        MSG message{GetFocus(), stroke, key, repeat | altDown, static_cast<DWORD>(GetMessageTime()),
                    {}};
        ui::DispatchOne(message);
        ui::DispatchPendingMessages();
    }
    SetHeld(keys, VK_CONTROL, VK_LCONTROL, false);
    SetHeld(keys, VK_SHIFT, VK_LSHIFT, false);
    SetHeld(keys, VK_MENU, VK_LMENU, false);
    SetKeyboardState(keys);
}

std::u16string ClipboardUnicode() {
    if (!OpenClipboard(nullptr)) {
        return u"(clipboard busy)";
    }
    std::u16string text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const char16_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

MenuSeen RightClickMenu(HWND window, std::vector<UINT> keys) {
    MenuWatch current;
    current.Keys = std::move(keys);
    if (current.Keys.empty()) {
        current.Keys.push_back(VK_ESCAPE); // closes it without a choice
    }
    watch = &current;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, InspectMenu);
    SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(40, 20));
    SendMessageW(window, WM_RBUTTONUP, 0, MAKELPARAM(40, 20));
    ui::DispatchPendingMessages();
    KillTimer(nullptr, timer);
    watch = nullptr;
    return current.Seen;
}
