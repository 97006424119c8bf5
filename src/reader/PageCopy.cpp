#include "PageCopy.h"

#include "Clipboard.h"
#include "ContextMenu.h"
#include "MemoryShortage.h"
#include "PageBox.h"

#include <algorithm>
#include <commctrl.h>
#include <richedit.h>
#include <string>

namespace {

enum PageMenuItem : UINT { CopyItem = 1, SelectAllItem, VerticalItem };

void SelectAll(HWND box) {
    SendMessageW(box, EM_SETSEL, 0, -1);
}

void CopySelection(HWND box) {
    const CHARRANGE range = PageSelection(box);
    if (range.cpMax <= range.cpMin) {
        return;
    }
    // Each line break may become the two characters CR LF.
    std::u16string text(static_cast<size_t>(range.cpMax - range.cpMin) * 2 + 1, u'\0');
    GETTEXTEX request{};
    request.cb = static_cast<DWORD>(text.size() * sizeof(char16_t));
    request.flags = GT_SELECTION | GT_USECRLF;
    request.codepage = 1200; // UTF-16
    const auto copied = SendMessageW(box, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    ui::PutTextOnClipboard(box, text);
}

void ChooseVertical(HWND box) {
    SendMessageW(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), PageVerticalChosen),
                 reinterpret_cast<LPARAM>(box));
}

// The caret's place in the box, kept inside the box when the caret is scrolled out of sight.
POINT CaretPoint(HWND box, const CHARRANGE& range) {
    POINT caret{};
    SendMessageW(box, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&caret), range.cpMin);
    RECT inside{};
    GetClientRect(box, &inside);
    caret.x = std::clamp(caret.x, inside.left, std::max(inside.left, inside.right - 1));
    caret.y = std::clamp(caret.y, inside.top, std::max(inside.top, inside.bottom - 1));
    return caret;
}

void ShowPageMenu(HWND box, LPARAM lParam, PageMenuExtension* more) {
    const CHARRANGE range = PageSelection(box);
    std::vector<ui::MenuChoice> choices{{CopyItem, L"复制(&C)", range.cpMax > range.cpMin},
                                        {SelectAllItem, L"全选(&A)", true}};
    if (more != nullptr) {
        more->AppendChoices(choices);
    }
    // Last, the choice of view: checked while the box is hidden, the vertical page in its place.
    choices.push_back({0, nullptr, false});
    choices.push_back(
        {VerticalItem, L"竖排(&V)\tF8", true, (GetWindowLongW(box, GWL_STYLE) & WS_VISIBLE) == 0});
    const UINT chosen =
        ui::ChooseFromMenu(box, ui::ContextMenuPoint(box, lParam, CaretPoint(box, range)), choices);
    if (chosen == CopyItem) {
        CopySelection(box);
    } else if (chosen == SelectAllItem) {
        SelectAll(box);
    } else if (chosen == VerticalItem) {
        ChooseVertical(box);
    } else if (chosen != 0 && more != nullptr) {
        more->Choose(chosen);
    }
}

bool CtrlIsDown() {
    return GetKeyState(VK_CONTROL) < 0;
}

LRESULT HandleCopyKeysAndMenu(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                              DWORD_PTR more) {
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == VK_F8) {
            ChooseVertical(box);
            return 0;
        }
        if (CtrlIsDown() && wParam == 'A') {
            SelectAll(box);
            return 0;
        }
        if (CtrlIsDown() && (wParam == 'C' || wParam == VK_INSERT)) {
            CopySelection(box);
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == 1 || wParam == 3) { // the characters of Ctrl+A and Ctrl+C
            return 0;
        }
        break;
    case WM_COPY:
        CopySelection(box);
        return 0;
    case WM_CONTEXTMENU:
        ShowPageMenu(box, lParam, reinterpret_cast<PageMenuExtension*>(more));
        return 0;
    default:
        break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

LRESULT CALLBACK CopyKeysAndMenu(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR more) {
    return ui::SurvivingMemoryShortage(
        box, [&] { return HandleCopyKeysAndMenu(box, message, wParam, lParam, more); });
}

constexpr UINT_PTR CopySubclass = 2;

} // namespace

void OfferCopy(HWND box) {
    SetWindowSubclass(box, CopyKeysAndMenu, CopySubclass, 0);
}

// Installing the same subclass again only replaces the data it carries.
void ExtendPageMenu(HWND box, PageMenuExtension* more) {
    SetWindowSubclass(box, CopyKeysAndMenu, CopySubclass, reinterpret_cast<DWORD_PTR>(more));
}
