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

// A rich-edit control says nothing of its text limit under Wine (EM_GETLIMITTEXT answers 0
// there): the last one given on this thread, seen as the message goes by.
LPARAM textLimit = 0;
LRESULT CALLBACK WatchTextLimit(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == EM_EXLIMITTEXT) {
        textLimit = sent->lParam;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class CappedPoem : public VerticalView {};

} // namespace

// A poem at every cap of the loader shows, names, prints and turns whole.
TEST_F(CappedPoem, IsShownNamedPrintedAndTurnedWhole) {
    textLimit = 0;
    MessageBoxCatcher catcher; // the load says which lines were cut
    {
        const UniqueHook hook = HookThisThread(WH_CALLWNDPROC, WatchTextLimit);
        const std::u16string poem = PoemAtEveryCap();
        const std::string utf16 =
            "\xFF\xFE" +
            std::string(reinterpret_cast<const char*>(poem.data()), poem.size() * sizeof(char16_t));
        Start(&utf16);
    }
    ASSERT_EQ(shared.Tangs.size(), 1u);
    const TangRecord& record = shared.Tangs[0];
    std::u16string page = RunsOf(0);
    // Far above the 32767 characters a rich-edit control takes by default.
    EXPECT_GE(static_cast<size_t>(textLimit), MaxPageLength);
    EXPECT_GT(page.size(), 32767u);
    EXPECT_TRUE(PageText() == page); // not printed in full: tens of thousands of characters
    EXPECT_EQ(AskWindow(Box()).value_or(AccessibleFacts{}).Name, PageName(record));

    // A4 at 300 dots per inch, as many printers report it.
    const SheetMetrics a4{2480, 3508, 50, 50, 2380, 3408, 300, 300};
    const PrintPlan plan = PlanSheets(record, ui::WindowDc(nullptr).Get(), a4);
    std::u16string printed;
    for (const PrintLine& line : plan.Lines) {
        for (const PrintPiece& piece : line.Pieces) {
            printed += piece.Text;
        }
    }
    std::erase(page, u'\r');
    std::erase(page, u'\n');
    EXPECT_TRUE(printed == page);
    EXPECT_GT(plan.Sheets.size(), 10u);

    TurnWithF8();
    ASSERT_TRUE(IsVertical());
    EXPECT_FALSE(IsEmpty(Picture(Page()).InkOf(TitleInk, Cell(0))));
    PressKey(VK_END);
    EXPECT_EQ(Bar().nPos, 0) << "at the last column";
    EXPECT_GT(Bar().nMax, 100 * Cell(0).bottom) << "hundreds of columns";
    EXPECT_FALSE(IsEmpty(InkOnView(NotesInk))) << "the notes' end in view";
    EXPECT_TRUE(IsEmpty(InkOnView(TitleInk)));
}
