#include "Pagination.h"

#include <gtest/gtest.h>

TEST(Pagination, BodyAndFooterStayWithinTheMarginsAndThePrintableArea) {
    // A4 at 600 dots per inch, with the quarter-inch unprintable edge of many laser printers.
    SheetMetrics sheet{4961, 7016, 150, 150, 4961 - 300, 7016 - 300, 600, 600};
    const SheetLayout layout = LayOutSheet(sheet, 100);
    // 20 mm at 600 dpi is 472 dots from the paper's edge, 322 from the printable area's.
    EXPECT_EQ(layout.Body.Left, 322);
    EXPECT_EQ(layout.Body.Top, 322);
    EXPECT_EQ(layout.Body.Right, 4961 - 472 - 150);
    EXPECT_EQ(layout.Footer.Bottom, 7016 - 472 - 150);
    EXPECT_EQ(layout.Footer.Top, layout.Footer.Bottom - 100);
    EXPECT_EQ(layout.Body.Bottom, layout.Footer.Top - 50);
    EXPECT_EQ(layout.Footer.Left, layout.Body.Left);

    sheet.PrintableLeft = 600; // a printer whose own margin is wider than ours
    sheet.PrintableWidth = 4961 - 1200;
    const SheetLayout wide = LayOutSheet(sheet, 100);
    EXPECT_EQ(wide.Body.Left, 0);
    EXPECT_EQ(wide.Body.Right, sheet.PrintableWidth);

    const SheetMetrics tiny{300, 300, 0, 0, 300, 300, 600, 600}; // half an inch square
    const SheetLayout small = LayOutSheet(tiny, 100);
    EXPECT_EQ(small.Body.Left, 0);
    EXPECT_EQ(small.Footer, (SheetRect{0, 200, 300, 300}));
    EXPECT_GT(small.Body.Bottom, small.Body.Top);
}

TEST(Pagination, TwipsFollowTheDotsPerInch) {
    EXPECT_EQ(DotsToTwips(600, 600), 1440);
    EXPECT_EQ(DotsToTwips(96, 96), 1440);
    EXPECT_EQ(DotsToTwips(4961, 600), 11906); // an A4 width
    EXPECT_EQ(DotsToTwips(100, 0), 0);
}

TEST(Pagination, SheetsFollowTheLayoutAndAlwaysMoveOn) {
    // 100 characters per sheet.
    EXPECT_EQ(Paginate(250, [](long from) { return from + 100; }),
              (std::vector<PageSpan>{{0, 100}, {100, 200}, {200, 250}}));
    EXPECT_EQ(Paginate(100, [](long from) { return from + 100; }),
              (std::vector<PageSpan>{{0, 100}}));
    // An empty page still gets its sheet, for the footer.
    EXPECT_EQ(Paginate(0, [](long) { return 0L; }), (std::vector<PageSpan>{{0, 0}}));
    // A layout that takes nothing, or goes back, still ends: a character a sheet.
    EXPECT_EQ(Paginate(3, [](long) { return 0L; }),
              (std::vector<PageSpan>{{0, 1}, {1, 2}, {2, 3}}));
    // Beyond the end is the end.
    EXPECT_EQ(Paginate(5, [](long) { return 99L; }), (std::vector<PageSpan>{{0, 5}}));
}

TEST(Pagination, FooterNamesTheAnthologyThePoemAndTheSheet) {
    EXPECT_EQ(PrintFooter(0, 1, 1), u"青简雅韵集 第1首    第1页，共1页");
    EXPECT_EQ(PrintFooter(32766, 12, 40), u"青简雅韵集 第32767首    第12页，共40页");
}
