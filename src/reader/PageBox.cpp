#include "PageBox.h"

#include "PageCopy.h"
#include "SystemLibrary.h"
#include "UniqueHandle.h"

#include <commctrl.h>
#include <richedit.h>

namespace {

LRESULT CALLBACK LeaveTabToDialog(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR) {
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (message == WM_GETDLGCODE) {
        // The page is read-only: Tab moves on to the next control instead of into the text.
        return result & ~(DLGC_WANTTAB | DLGC_WANTALLKEYS);
    }
    return result;
}

} // namespace

CHARRANGE PageSelection(HWND box) {
    CHARRANGE range{};
    SendMessageW(box, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
}

const wchar_t* PageBox::WindowClass() {
    static ui::UniqueModule library;
    static const wchar_t* className = [] {
        library.reset(ui::LoadSystemLibrary(L"msftedit.dll"));
        if (library) {
            return MSFTEDIT_CLASS;
        }
        library.reset(ui::LoadSystemLibrary(L"riched20.dll"));
        return RICHEDIT_CLASSW;
    }();
    return className;
}

PageBox::PageBox(HWND box) : box_(box) {
    SetWindowSubclass(box_, LeaveTabToDialog, 1, 0);
    OfferCopy(box_);
    SendMessageW(box_, EM_SETEVENTMASK, 0, 0);
    // A rich-edit control takes 32767 characters until told otherwise; a page can be larger.
    SendMessageW(box_, EM_EXLIMITTEXT, 0, static_cast<LPARAM>(MaxPageLength));
}

void PageBox::Font::SetSize(int16_t points) const {
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_SIZE;
    format.yHeight = points * 20; // twips
    SendMessageW(box_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    SendMessageW(box_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
}

bool PageBox::SetText(const std::u16string& text) const {
    const bool taken =
        SetWindowTextW(box_, reinterpret_cast<const wchar_t*>(text.c_str())) != FALSE;
    SendMessageW(box_, EM_SETSEL, 0, 0);
    return taken;
}

void PageBox::SetSelAlignment(ParagraphAlignment alignment) const {
    PARAFORMAT2 format{};
    format.cbSize = sizeof format;
    format.dwMask = PFM_ALIGNMENT;
    format.wAlignment = alignment == ParagraphAlignment::Centre ? PFA_CENTER : PFA_LEFT;
    SendMessageW(box_, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
}

void PageBox::SetSelColor(uint32_t colour) const {
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR;
    format.crTextColor = colour;
    SendMessageW(box_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

bool PageBox::SetSelText(const std::u16string& text) const {
    const LONG before = PageSelection(box_).cpMax;
    SendMessageW(box_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    // The box keeps each CR LF as one character, and leaves the caret after what it took.
    size_t breaks = 0;
    for (size_t at = text.find(u"\r\n"); at != std::u16string::npos;
         at = text.find(u"\r\n", at + 2)) {
        ++breaks;
    }
    return static_cast<size_t>(PageSelection(box_).cpMax - before) == text.size() - breaks;
}

void PageBox::SetSelLook(const RunLook& look) const {
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR | CFM_BOLD | CFM_SIZE;
    format.dwEffects = (look.SystemColour ? CFE_AUTOCOLOR : 0) | (look.Bold ? CFE_BOLD : 0);
    format.crTextColor = look.Colour;
    format.yHeight = look.SizeTwips;
    SendMessageW(box_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

int PageBox::TextSizeTwips() const {
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    SendMessageW(box_, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    return format.yHeight > 0 ? static_cast<int>(format.yHeight) : 240;
}
