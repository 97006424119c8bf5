#include "AccessibleFacts.h"
#include "MessageBoxCatcher.h"
#include "VerticalPicture.h"

#include "AccessibleText.h"
#include "DeviceContext.h"
#include "PagePrinting.h"
#include "PageText.h"
#include "PoemAtEveryCap.h"

#include <richedit.h>

namespace {

class CappedPoem : public VerticalView {};

} // namespace

// A poem at every cap of the loader shows, names, prints and turns whole.
TEST_F(CappedPoem, IsShownNamedPrintedAndTurnedWhole) {
    MessageBoxCatcher catcher; // the load says which lines were cut
    const std::u16string poem = PoemAtEveryCap();
    const std::string utf16 = "\xFF\xFE" + std::string(reinterpret_cast<const char*>(poem.data()),
                                                       poem.size() * sizeof(char16_t));
    Start(&utf16);
    ASSERT_EQ(shared.Tangs.size(), 1u);
    const TangRecord& record = shared.Tangs[0];
    std::u16string page = RunsOf(0);
    EXPECT_GT(page.size(), 32767u) << "more than a rich-edit control takes by default";
    EXPECT_TRUE(PageText() == page); // not printed in full: tens of thousands of characters
    EXPECT_EQ(AskWindow(Box()).value_or(AccessibleFacts{}).Name, PageName(record));

    // A4 at 300 dots per inch, as many printers report it.
    const SheetMetrics a4{2480, 3508, 50, 50, 2380, 3408, 300, 300};
    const PrintPlan plan = PlanSheets(record, ui::WindowDc(nullptr).Get(), a4);
    EXPECT_GT(plan.Sheets.size(), 10u);
    EXPECT_EQ(plan.Sheets.back().End, static_cast<long>(plan.Lines.size())) << "every line";

    TurnWithF8();
    ASSERT_TRUE(IsVertical());
    EXPECT_FALSE(IsEmpty(Picture(Page()).InkOf(TitleInk, Cell(0))));
    const SCROLLINFO bar = Bar();
    EXPECT_EQ(bar.nPos, bar.nMax - static_cast<int>(bar.nPage) + 1) << "the thumb at the right";
    const LONG start = Cell(0).left;
    PressKey(VK_LEFT);
    EXPECT_GT(Cell(0).left, start) << "the left arrow reads on";
    PressKey(VK_END);
    EXPECT_EQ(Bar().nPos, 0) << "at the last column";
    EXPECT_GT(Bar().nMax, 100 * Cell(0).bottom) << "hundreds of columns";
    EXPECT_FALSE(IsEmpty(InkOnView(NotesInk))) << "the notes' end in view";
    EXPECT_TRUE(IsEmpty(InkOnView(TitleInk)));
    PressKey(VK_HOME);
    EXPECT_EQ(Cell(0).left, start);
}
