#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A printer's sheet as its driver reports it, in the printer's dots. The printer draws only
// inside the printable area, whose top-left corner is the origin of its drawing surface.
struct SheetMetrics {
    int PaperWidth = 0, PaperHeight = 0;
    int PrintableLeft = 0, PrintableTop = 0; // the printable area's corner on the paper
    int PrintableWidth = 0, PrintableHeight = 0;
    int DotsPerInchX = 0, DotsPerInchY = 0;
};

struct SheetRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool operator==(const SheetRect&) const = default;
};

// Where the poem and the footer go on every sheet, in the drawing surface's dots.
struct SheetLayout {
    SheetRect Body;
    SheetRect Footer;
};

// The paper's margin all round, unless the printer's own is larger.
inline constexpr int MarginMillimetres = 20;

// Lays out a sheet: the body within the margins, and below it a footer band `footerHeight`
// dots high, half a band apart. A sheet too small for margins gets its printable area whole.
SheetLayout LayOutSheet(const SheetMetrics& sheet, int footerHeight);

// `dots` at `dotsPerInch` in twips (1/1440 inch).
int DotsToTwips(int dots, int dotsPerInch);

// The characters [First, End) of the text that one sheet carries.
struct PageSpan {
    long First = 0, End = 0;
    bool operator==(const PageSpan&) const = default;
};

// Splits a text of `length` characters into sheets. `fit(from)` lays out as much as one sheet
// holds from character `from` and returns where the next sheet starts. A sheet that takes
// nothing (a line taller than the sheet) still moves on by one character, so that printing
// always ends. An empty text gives one empty sheet, which carries the footer.
std::vector<PageSpan> Paginate(long length, const std::function<long(long from)>& fit);

// "青简雅韵集 第N首    第p页，共n页", the footer of sheet `page` of `pages` of poem `index`.
std::u16string PrintFooter(int16_t index, size_t page, size_t pages);
