#include "PageInput.h"

#include "MessageLoop.h"
#include "ReaderFixture.h"

namespace {

struct MenuVisit {
    MenuSeen Seen;
    std::vector<UINT> Keys;
};
MenuVisit* visit = nullptr;

void CALLBACK InspectMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (menuWindow == nullptr || !IsWindowVisible(menuWindow)) {
        return; // not open yet
    }
    KillTimer(nullptr, timer);
    auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64]{};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        visit->Seen.Items.push_back(reinterpret_cast<const char16_t*>(text));
        visit->Seen.Greyed.push_back((state & (MF_GRAYED | MF_DISABLED)) != 0);
        visit->Seen.Checked.push_back((state & MF_CHECKED) != 0);
    }
    for (const UINT key : visit->Keys) {
        keybd_event(static_cast<BYTE>(key), 0, 0, 0);
        keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
    }
}

} // namespace

void PressWithControl(UINT key) {
    BYTE keys[256]{};
    GetKeyboardState(keys);
    keys[VK_CONTROL] |= 0x80;
    keys[VK_LCONTROL] |= 0x80;
    SetKeyboardState(keys);
    PressKey(key);
    keys[VK_CONTROL] &= 0x7F;
    keys[VK_LCONTROL] &= 0x7F;
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

MenuSeen RightClickAndType(HWND window, std::vector<UINT> keys) {
    MenuVisit seen;
    seen.Keys = std::move(keys);
    seen.Keys.push_back(VK_ESCAPE);
    visit = &seen;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, InspectMenu);
    const LPARAM at = MAKELPARAM(40, 20);
    SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, at);
    SendMessageW(window, WM_RBUTTONUP, 0, at);
    ui::DispatchPendingMessages();
    KillTimer(nullptr, timer);
    visit = nullptr;
    return seen.Seen;
}
