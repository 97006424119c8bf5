#include "Pagination.h"

#include "PageText.h"

#include <algorithm>

namespace {

int MarginDots(int dotsPerInch) {
    return static_cast<int>(static_cast<long long>(MarginMillimetres) * dotsPerInch * 10 / 254);
}

std::u16string Decimal(size_t number) {
    const std::string digits = std::to_string(number);
    return {digits.begin(), digits.end()};
}

} // namespace

SheetLayout LayOutSheet(const SheetMetrics& sheet, int footerHeight) {
    const int marginX = MarginDots(sheet.DotsPerInchX);
    const int marginY = MarginDots(sheet.DotsPerInchY);
    // The margins measured from the paper's edges, moved into drawing-surface coordinates and
    // kept inside the printable area.
    SheetRect area{
        std::max(0, marginX - sheet.PrintableLeft), std::max(0, marginY - sheet.PrintableTop),
        std::min(sheet.PrintableWidth, sheet.PaperWidth - marginX - sheet.PrintableLeft),
        std::min(sheet.PrintableHeight, sheet.PaperHeight - marginY - sheet.PrintableTop)};
    const int footer = std::max(0, footerHeight);
    const int gap = footer / 2;
    if (area.Right - area.Left < marginX || area.Bottom - area.Top < footer + gap + marginY) {
        area = {0, 0, sheet.PrintableWidth, sheet.PrintableHeight};
    }
    SheetLayout layout;
    layout.Footer = {area.Left, std::max(area.Top, area.Bottom - footer), area.Right, area.Bottom};
    layout.Body = {area.Left, area.Top, area.Right, std::max(area.Top, layout.Footer.Top - gap)};
    return layout;
}

int DotsToTwips(int dots, int dotsPerInch) {
    if (dotsPerInch <= 0) {
        return 0;
    }
    return static_cast<int>(static_cast<long long>(dots) * 1440 / dotsPerInch);
}

std::vector<PageSpan> Paginate(long length, const std::function<long(long from)>& fit) {
    std::vector<PageSpan> pages;
    long from = 0;
    do {
        const long next = std::clamp(fit(from), from + 1, std::max(length, from + 1));
        pages.push_back({from, std::min(next, std::max(length, 0L))});
        from = next;
    } while (from < length);
    return pages;
}

std::u16string PrintFooter(int16_t index, size_t page, size_t pages) {
    return PageCaption(index) + u"    第" + Decimal(page) + u"页，共" + Decimal(pages) + u"页";
}
