#include "PageBox.h"

#include "MemoryShortage.h"
#include "PageSelection.h"
#include "SystemLibrary.h"
#include "UniqueHandle.h"

#include <commctrl.h>
#include <richedit.h>

namespace {

int DefaultSizeTwips(HWND box) {
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    SendMessageW(box, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    return format.yHeight > 0 ? static_cast<int>(format.yHeight) : 240;
}

} // namespace

CHARFORMAT2W BoxFontOf(HWND box) {
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    SendMessageW(box, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    if (format.szFaceName[0] == L'\0') {
        wcscpy(format.szFaceName, L"宋体");
    }
    if (format.yHeight <= 0) {
        format.yHeight = 240;
    }
    return format;
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

PageBox::PageBox(HWND box, PageBoxEvents events)
    : box_(box), events_(std::move(events)), sizeTwips_(DefaultSizeTwips(box)),
      subclass_(box, &PageBox::Procedure, ui::SubclassId::PageBox,
                reinterpret_cast<DWORD_PTR>(this)) {
    SendMessageW(box_, EM_SETEVENTMASK, 0, 0);
    // A rich-edit control takes 32767 characters until told otherwise; a page can be larger.
    SendMessageW(box_, EM_EXLIMITTEXT, 0, static_cast<LPARAM>(MaxPageLength));
}

void PageBox::Font::SetSize(int16_t points) const {
    box_.sizeTwips_ = points * 20;
    box_.ApplySize();
}

void PageBox::ApplySize() const {
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_SIZE;
    format.yHeight = sizeTwips_;
    SendMessageW(box_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    SendMessageW(box_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
}

bool PageBox::SetText(const std::u16string& text) const {
    const bool taken =
        SetWindowTextW(box_, reinterpret_cast<const wchar_t*>(text.c_str())) != FALSE;
    SendMessageW(box_, EM_SETSEL, 0, 0);
    return taken;
}

LRESULT CALLBACK PageBox::Procedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR self) {
    return ui::SurvivingMemoryShortage(box, [&] {
        return reinterpret_cast<PageBox*>(self)->HandleMessage(message, wParam, lParam);
    });
}

LRESULT PageBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE:
        // The page is read-only: Tab moves on to the next control instead of into the text.
        return DefSubclassProc(box_, message, wParam, lParam) & ~(DLGC_WANTTAB | DLGC_WANTALLKEYS);
    case WM_SETFONT: {
        // The window kit sends the layout's font again on a change of DPI; the text keeps its
        // size and the runs their looks.
        const LRESULT result = DefSubclassProc(box_, message, wParam, lParam);
        ApplySize();
        laidOutPercent_ = 0;
        InvalidateRect(box_, nullptr, FALSE);
        if (events_.Placed) {
            events_.Placed();
        }
        return result;
    }
    case WM_WINDOWPOSCHANGED: {
        const LRESULT result = DefSubclassProc(box_, message, wParam, lParam);
        if (events_.Placed) {
            events_.Placed();
        }
        return result;
    }
    case WM_PAINT:
        LayOutIfDue();
        if (!marks_.Spans.empty()) {
            PaintMarked();
            return 0;
        }
        break;
    case EM_HIDESELECTION:
        selectionHidden_ = wParam != 0;
        break;
    case WM_PRINTCLIENT: {
        const LRESULT result = DefSubclassProc(box_, message, wParam, lParam);
        DrawMarks(reinterpret_cast<HDC>(wParam));
        return result;
    }
    case WM_COPY:
        CopyPageSelection(box_);
        return 0;
    case WM_CONTEXTMENU:
        if (events_.MenuWanted) {
            events_.MenuWanted(PageMenuPoint(box_, lParam));
        }
        return 0;
    case WM_MOUSEWHEEL:
        // The reader's own zoom, in its steps and limits, rather than the control's.
        if ((GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) != 0) {
            if (events_.CtrlWheel) {
                events_.CtrlWheel(GET_WHEEL_DELTA_WPARAM(wParam));
            }
            return 0;
        }
        break;
    default:
        break;
    }
    return DefSubclassProc(box_, message, wParam, lParam);
}
