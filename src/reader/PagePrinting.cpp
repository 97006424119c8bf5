#include "PagePrinting.h"

#include "DeviceContext.h"
#include "MessageBox.h"
#include "PageText.h"
#include "ProgramTexts.h"
#include "UniqueHandle.h"

#include "SystemLibrary.h"

#include <commdlg.h>
#include <winspool.h>
#include <unordered_map>

namespace {

void DeleteDeviceContext(HDC dc) {
    DeleteDC(dc);
}
using UniqueDc = ui::UniqueHandle<HDC, DeleteDeviceContext>;

// The page box's font and size; the footer a little smaller.
constexpr int PagePoints = 12;
constexpr int FooterPoints = 9;

SheetMetrics MetricsOf(HDC printer) {
    SheetMetrics sheet;
    sheet.PaperWidth = GetDeviceCaps(printer, PHYSICALWIDTH);
    sheet.PaperHeight = GetDeviceCaps(printer, PHYSICALHEIGHT);
    sheet.PrintableLeft = GetDeviceCaps(printer, PHYSICALOFFSETX);
    sheet.PrintableTop = GetDeviceCaps(printer, PHYSICALOFFSETY);
    sheet.PrintableWidth = GetDeviceCaps(printer, HORZRES);
    sheet.PrintableHeight = GetDeviceCaps(printer, VERTRES);
    sheet.DotsPerInchX = GetDeviceCaps(printer, LOGPIXELSX);
    sheet.DotsPerInchY = GetDeviceCaps(printer, LOGPIXELSY);
    return sheet;
}

ui::UniqueFont SongFont(int points, const SheetMetrics& sheet) {
    return ui::UniqueFont(CreateFontW(-MulDiv(points, sheet.DotsPerInchY, 72), 0, 0, 0, FW_NORMAL,
                                      FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                                      L"宋体"));
}

int LineHeight(HDC dc) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return std::max(1, static_cast<int>(metrics.tmHeight + metrics.tmExternalLeading));
}

int TextWidth(HDC dc, const std::u16string& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.c_str()),
                          static_cast<int>(text.size()), &size);
    return size.cx;
}

// Lays the poem out with the page's font selected into `dc`.
PrintPlan Plan(const TangRecord& poem, HDC dc, const SheetMetrics& sheet, int footerHeight) {
    PrintPlan plan;
    plan.Layout = LayOutSheet(sheet, footerHeight);
    plan.LineHeight = LineHeight(dc);
    std::unordered_map<std::u16string_view, int> widths; // a poem repeats its characters
    const std::array<PageRun, 4> runs = PageRuns(poem);  // which the lines' characters view
    plan.Lines = BreakIntoLines(runs, plan.Layout.Body.Right - plan.Layout.Body.Left,
                                [&](std::u16string_view character) {
                                    const auto [known, added] = widths.try_emplace(character, 0);
                                    if (added) {
                                        known->second = TextWidth(dc, std::u16string(character));
                                    }
                                    return known->second;
                                });
    const long perSheet =
        std::max(1, (plan.Layout.Body.Bottom - plan.Layout.Body.Top) / plan.LineHeight);
    plan.Sheets = Paginate(static_cast<long>(plan.Lines.size()),
                           [perSheet](long from) { return from + perSheet; });
    return plan;
}

void DrawLine(HDC dc, const PrintLine& line, const SheetRect& body, int top) {
    int x = body.Left;
    if (line.Alignment == ParagraphAlignment::Centre) {
        x += std::max(0, (body.Right - body.Left - line.Width) / 2);
    }
    for (const PrintPiece& piece : line.Pieces) {
        SetTextColor(dc, piece.Colour);
        TextOutW(dc, x, top, reinterpret_cast<const wchar_t*>(piece.Text.c_str()),
                 static_cast<int>(piece.Text.size()));
        x += TextWidth(dc, piece.Text);
    }
}

void DrawFooter(HDC dc, HFONT font, const SheetRect& band, const std::u16string& text) {
    const ui::Selected selected(dc, font);
    SetTextColor(dc, RGB(0, 0, 0));
    RECT rect{band.Left, band.Top, band.Right, band.Bottom};
    DrawTextW(dc, reinterpret_cast<const wchar_t*>(text.c_str()), static_cast<int>(text.size()),
              &rect, DT_CENTER | DT_SINGLELINE | DT_BOTTOM | DT_NOPREFIX);
}

DWORD LastErrorOr(DWORD fallback) {
    const DWORD error = GetLastError();
    return error != 0 ? error : fallback;
}

constexpr const char16_t* NoPrinterMessage = u"无法打印：没有找到可以使用的打印机。";

// Asks only for the size of the printer list, which is zero when there is no printer at all.
// The spooler's DLL is loaded from the system folder by hand: it is not one Windows always
// takes from there, so importing it would let a DLL of that name beside the program in.
bool AnyPrinterInstalled() {
    using EnumPrintersFunction =
        BOOL(WINAPI*)(DWORD, LPWSTR, DWORD, LPBYTE, DWORD, LPDWORD, LPDWORD);
    const ui::UniqueModule spooler(ui::LoadSystemLibrary(L"winspool.drv"));
    const FARPROC found = spooler ? GetProcAddress(spooler.get(), "EnumPrintersW") : nullptr;
    if (found == nullptr) {
        return true; // cannot tell: the print dialog will say
    }
    const auto enumPrinters =
        reinterpret_cast<EnumPrintersFunction>(reinterpret_cast<void*>(found));
    DWORD needed = 0;
    DWORD returned = 0;
    enumPrinters(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed,
                 &returned);
    return needed > 0;
}

int FooterHeight(HDC dc, HFONT font) {
    const ui::Selected selected(dc, font);
    return LineHeight(dc);
}

} // namespace

PrintPlan PlanSheets(const TangRecord& poem, HDC target, const SheetMetrics& sheet) {
    const ui::UniqueFont footer = SongFont(FooterPoints, sheet);
    const int footerHeight = FooterHeight(target, footer.get());
    const ui::UniqueFont font = SongFont(PagePoints, sheet);
    const ui::Selected selected(target, font.get());
    return Plan(poem, target, sheet, footerHeight);
}

PrintOutcome PrintSheets(const TangRecord& poem, int16_t index, HDC printer) {
    const SheetMetrics sheet = MetricsOf(printer);
    const PrintPlan plan = PlanSheets(poem, printer, sheet);
    const std::u16string title = PageCaption(index);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = reinterpret_cast<const wchar_t*>(title.c_str());
    SetLastError(0);
    if (StartDocW(printer, &document) <= 0) {
        return {LastErrorOr(ERROR_PRINTER_NOT_FOUND), PrintStep::Accepting};
    }
    const ui::UniqueFont font = SongFont(PagePoints, sheet);
    const ui::UniqueFont footer = SongFont(FooterPoints, sheet);
    for (size_t i = 0; i < plan.Sheets.size(); ++i) {
        if (StartPage(printer) <= 0) {
            const DWORD error = LastErrorOr(ERROR_WRITE_FAULT);
            AbortDoc(printer);
            return {error, PrintStep::Printing};
        }
        SetBkMode(printer, TRANSPARENT);
        {
            const ui::Selected selected(printer, font.get());
            int top = plan.Layout.Body.Top;
            for (long line = plan.Sheets[i].First; line < plan.Sheets[i].End; ++line) {
                DrawLine(printer, plan.Lines[static_cast<size_t>(line)], plan.Layout.Body, top);
                top += plan.LineHeight;
            }
        }
        DrawFooter(printer, footer.get(), plan.Layout.Footer,
                   PrintFooter(index, i + 1, plan.Sheets.size()));
        if (EndPage(printer) <= 0) {
            const DWORD error = LastErrorOr(ERROR_WRITE_FAULT);
            AbortDoc(printer);
            return {error, PrintStep::Printing};
        }
    }
    if (EndDoc(printer) <= 0) {
        return {LastErrorOr(ERROR_WRITE_FAULT), PrintStep::Printing};
    }
    return {};
}

std::u16string PrintFailedMessage(std::u16string_view printer, const PrintOutcome& failure) {
    wchar_t* words = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, failure.Error, 0, reinterpret_cast<wchar_t*>(&words), 0, nullptr);
    std::u16string reason;
    if (length > 0) {
        reason.assign(reinterpret_cast<const char16_t*>(words), length);
        LocalFree(words);
    }
    return PrintFailedMessage(printer, failure.Step, failure.Error, reason);
}

namespace {

// The name of the printer the dialog chose.
std::u16string ChosenPrinter(HGLOBAL names) {
    std::u16string name;
    if (const auto* chosen = static_cast<const DEVNAMES*>(GlobalLock(names))) {
        name = reinterpret_cast<const char16_t*>(reinterpret_cast<const wchar_t*>(chosen) +
                                                 chosen->wDeviceOffset);
        GlobalUnlock(names);
    }
    return name;
}

} // namespace

void PrintPage(HWND owner, const TangRecord& poem, int16_t index) {
    // Asked first, because with no printer some systems put up their own warning and then an
    // empty print dialog instead of failing: the user should hear it once, in our words.
    if (!AnyPrinterInstalled()) {
        ui::ShowInformation(owner, NoPrinterMessage, texts::ProgramName);
        return;
    }
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE;
    const BOOL chosen = PrintDlgW(&dialog);
    const ui::UniqueGlobal mode(dialog.hDevMode);
    const ui::UniqueGlobal names(dialog.hDevNames);
    const UniqueDc printer(dialog.hDC);
    if (!chosen) {
        if (CommDlgExtendedError() != 0) { // not Cancel: no printer, or none that works
            ui::ShowInformation(owner, NoPrinterMessage, texts::ProgramName);
        }
        return;
    }
    const PrintOutcome outcome = PrintSheets(poem, index, printer.get());
    if (outcome.Error != 0) {
        ui::ShowInformation(owner, PrintFailedMessage(ChosenPrinter(names.get()), outcome),
                            texts::ProgramName);
    }
}
