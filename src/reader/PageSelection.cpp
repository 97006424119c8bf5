#include "PageSelection.h"

#include "Clipboard.h"
#include "ContextMenu.h"

#include <algorithm>
#include <string>

CHARRANGE PageSelection(HWND box) {
    CHARRANGE range{};
    SendMessageW(box, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
}

void SelectWholePage(HWND box) {
    SendMessageW(box, EM_SETSEL, 0, -1);
}

void CopyPageSelection(HWND box) {
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

POINT PageMenuPoint(HWND box, LPARAM lParam) {
    POINT caret{};
    SendMessageW(box, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&caret), PageSelection(box).cpMin);
    RECT inside{};
    GetClientRect(box, &inside);
    caret.x = std::clamp(caret.x, inside.left, std::max(inside.left, inside.right - 1));
    caret.y = std::clamp(caret.y, inside.top, std::max(inside.top, inside.bottom - 1));
    return ui::ContextMenuPoint(box, lParam, caret);
}
