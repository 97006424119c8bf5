#pragma once

#include "Pagination.h"
#include "PrintLines.h"
#include "TangRecord.h"

#include <cstdint>
#include <string>
#include <vector>
#include <windows.h>

// Prints poem `index`: the system's print dialog, then the page as the reader shows it (its
// four runs in their colours and alignment, in the page's font at 12 points whatever the
// screen's zoom), over as many sheets as it needs, with the anthology's name and the poem's
// number in a footer. Cancel prints nothing; a printer's failure is told in a message box
// owned by `owner`, and nothing else changes.
void PrintPage(HWND owner, const TangRecord& poem, int16_t index);

// The poem laid out for sheets of `sheet` drawn on `target`: its lines, and the lines
// [First, End) of each sheet.
struct PrintPlan {
    SheetLayout Layout;
    int LineHeight = 1;
    std::vector<PrintLine> Lines;
    std::vector<PageSpan> Sheets;
};
PrintPlan PlanSheets(const TangRecord& poem, HDC target, const SheetMetrics& sheet);

// Prints the poem on `printer` as one document; returns 0 when it printed, or the system's
// error code.
DWORD PrintSheets(const TangRecord& poem, int16_t index, HDC printer);

// "无法打印：" and the system's words for `error`.
std::u16string PrintFailedMessage(DWORD error);
