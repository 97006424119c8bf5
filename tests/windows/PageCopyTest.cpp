#include "ReaderFixture.h"

#include "Clipboard.h"
#include "ReaderLayout.h"

#include <richedit.h>

namespace {

const std::u8string Poem = u8"[五言绝句]\r\n<静夜思>\r\n(李白)\r\n床前明月光，\r\n疑是地上霜。\r\n"
                           u8"//作者：李白//\r\n";

class PageCopy : public ReaderFixture {
protected:
    void SetUp() override {
        StartWithUtf8(Poem);
        ASSERT_TRUE(ui::PutTextOnClipboard(nullptr, u"before"));
    }
    HWND Page() const { return ReaderControl(RichText1); }
    CHARRANGE Selection() const {
        CHARRANGE range{};
        SendMessageW(Page(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
        return range;
    }
    // In the control's own count, where a line break is one character.
    long PageLength() const {
        GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
        return static_cast<long>(
            SendMessageW(Page(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
    }

    static std::u16string ClipboardText() {
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
};

// Presses a key with Ctrl held down.
void PressWithCtrl(UINT key) {
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

// What the context menu showed, and the keys to press in it before it closes.
struct MenuVisit {
    std::vector<std::u16string> Items;
    std::vector<bool> Greyed;
    std::vector<UINT> Keys;
};
MenuVisit* visit = nullptr;

void CALLBACK InspectMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (menuWindow == nullptr || !IsWindowVisible(menuWindow)) {
        return; // not open yet; a menu that never opens is seen by the test as empty
    }
    KillTimer(nullptr, timer);
    auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64]{};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        visit->Items.push_back(reinterpret_cast<const char16_t*>(text));
        visit->Greyed.push_back((GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) &
                                 (MF_GRAYED | MF_DISABLED)) != 0);
    }
    for (const UINT key : visit->Keys) { // typed on the keyboard, as the menu expects them
        keybd_event(static_cast<BYTE>(key), 0, 0, 0);
        keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
    }
}

// Right-clicks the page and, while its menu is open, presses `keys` in it.
MenuVisit RightClickPage(HWND page, std::vector<UINT> keys) {
    MenuVisit seen;
    seen.Keys = std::move(keys);
    seen.Keys.push_back(VK_ESCAPE); // closes the menu if the keys chose nothing
    visit = &seen;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, InspectMenu);
    const LPARAM at = MAKELPARAM(40, 20);
    SendMessageW(page, WM_RBUTTONDOWN, MK_RBUTTON, at);
    SendMessageW(page, WM_RBUTTONUP, 0, at);
    ui::DispatchPendingMessages();
    KillTimer(nullptr, timer);
    visit = nullptr;
    return seen;
}

} // namespace

TEST_F(PageCopy, CtrlACtrlCCopyTheWholePageAsUnicodeTextWithCrLf) {
    SetFocus(Page());
    PressWithCtrl('A');
    PressWithCtrl('C');
    EXPECT_EQ(ClipboardText(), PageText()) << "Ctrl+A selected the whole page";
    EXPECT_EQ(ClipboardText().substr(0, 7), Utf16(u8"静夜思\r\n李白"));
}

TEST_F(PageCopy, ContextMenuOffersCopyOnlyWithASelectionAndSelectAll) {
    SendMessageW(Page(), EM_SETSEL, 0, 0);
    // Each item is chosen by its access key, as in every Windows menu; the reader's own
    // commands follow these two.
    const MenuVisit empty = RightClickPage(Page(), {'A'});
    ASSERT_GE(empty.Items.size(), 2u);
    EXPECT_EQ(std::vector(empty.Items.begin(), empty.Items.begin() + 2),
              (std::vector<std::u16string>{u"复制(&C)", u"全选(&A)"}));
    EXPECT_EQ(std::vector(empty.Greyed.begin(), empty.Greyed.begin() + 2),
              (std::vector<bool>{true, false}));
    EXPECT_EQ(Selection().cpMin, 0);
    EXPECT_GE(Selection().cpMax, PageLength()) << "全选 selected the whole page";
    EXPECT_EQ(ClipboardText(), u"before");

    SendMessageW(Page(), EM_SETSEL, 0, 6); // the title, its line break and the author
    const MenuVisit selected = RightClickPage(Page(), {'C'});
    EXPECT_EQ(std::vector(selected.Greyed.begin(), selected.Greyed.begin() + 2),
              (std::vector<bool>{false, false}));
    EXPECT_EQ(ClipboardText(), Utf16(u8"静夜思\r\n李白"));
}
