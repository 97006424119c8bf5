#pragma once

#include "Pagination.h"
#include "PrintFailure.h"
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

// How printing went: error 0 when the poem printed, else the system's error code and the step
// at which it came.
struct PrintOutcome {
    DWORD Error = 0;
    PrintStep Step = PrintStep::Accepting;
};

// Prints the poem on `printer` as one document.
PrintOutcome PrintSheets(const TangRecord& poem, int16_t index, HDC printer);

// What the user is told of a failure on the printer called `printer`.
std::u16string PrintFailedMessage(std::u16string_view printer, const PrintOutcome& failure);
