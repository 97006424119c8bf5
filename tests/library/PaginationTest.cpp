#include "Pagination.h"

#include <gtest/gtest.h>

TEST(Pagination, BodyAndFooterStayWithinTheMarginsAndThePrintableArea) {
    // A4 at 600 dots per inch, with the quarter-inch unprintable edge of many laser printers.
    SheetMetrics sheet{4961, 7016, 150, 150, 4961 - 300, 7016 - 300, 600, 600};
    const SheetLayout layout = LayOutSheet(sheet, 100);
    // 20 mm at 600 dpi is 472 dots from the paper's edge, 322 from the printable area's.
    EXPECT_EQ(layout.Body, (SheetRect{322, 322, 4961 - 472 - 150, 7016 - 472 - 150 - 150}));
    EXPECT_EQ(layout.Footer,
              (SheetRect{322, 7016 - 472 - 150 - 100, 4961 - 472 - 150, 7016 - 472 - 150}));
    sheet.PrintableLeft = 600; // a printer whose own margin is wider than ours
    sheet.PrintableWidth = 4961 - 1200;
    EXPECT_EQ(LayOutSheet(sheet, 100).Body.Left, 0);
    const SheetLayout small = LayOutSheet({300, 300, 0, 0, 300, 300, 600, 600}, 100);
    EXPECT_EQ(small.Footer, (SheetRect{0, 200, 300, 300})) << "half an inch square";
    EXPECT_GT(small.Body.Bottom, small.Body.Top);
}

TEST(Pagination, TwipsFollowTheDotsPerInch) {
    EXPECT_EQ(DotsToTwips(4961, 600), 11906); // an A4 width
    EXPECT_EQ(DotsToTwips(100, 0), 0);
}

TEST(Pagination, SheetsFollowTheLayoutAndAlwaysMoveOn) {
    // 100 characters per sheet.
    EXPECT_EQ(Paginate(250, [](long from) { return from + 100; }),
              (std::vector<PageSpan>{{0, 100}, {100, 200}, {200, 250}}));
    EXPECT_EQ(Paginate(100, [](long from) { return from + 100; }),
              (std::vector<PageSpan>{{0, 100}}));
    // An empty page still gets its sheet, for the footer; a layout that takes nothing still ends.
    EXPECT_EQ(Paginate(0, [](long) { return 0L; }), (std::vector<PageSpan>{{0, 0}}));
    EXPECT_EQ(Paginate(2, [](long) { return 0L; }), (std::vector<PageSpan>{{0, 1}, {1, 2}}));
    EXPECT_EQ(Paginate(5, [](long) { return 99L; }), (std::vector<PageSpan>{{0, 5}}));
}

TEST(Pagination, FooterNamesTheAnthologyThePoemAndTheSheet) {
    EXPECT_EQ(PrintFooter(32766, 12, 40), u"青简雅韵集 第32767首    第12页，共40页");
}
