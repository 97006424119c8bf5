#include "MessageBoxCatcher.h"
#include "ReaderFixture.h"
#include <winspool.h>

#include "DeviceContext.h"
#include "PagePrinting.h"
#include "ReaderLayout.h"

#include <cstdlib>
#include <cstring>

namespace {

// A poem whose notes fill several sheets: 120 note lines of 40 characters.
std::u8string LongPoem() {
    return u8"<长诗>\r\n(作者)\r\n第一句。\r\n//" +
           Repeated(Repeated(u8"注释", 20) + u8"\r\n", 120) +
           u8"//\r\n<短诗>\r\n(作者)\r\n一句。\r\n//短注//\r\n";
}

// A sheet of A6 paper (105 × 148 mm) at 96 dots per inch, printable to its edges.
const SheetMetrics SmallSheet{397, 559, 0, 0, 397, 559, 96, 96};

class PagePrinting : public ReaderFixture {
protected:
    void SetUp() override { StartWithUtf8(LongPoem()); }
    HWND Page() const { return ReaderControl(RichText1); }
    std::vector<PageSpan> Plan() const {
        const ui::WindowDc screen(nullptr);
        const TangRecord& poem = shared.Tangs.at(static_cast<size_t>(shared.CurrentIndex));
        return PlanSheets(poem, screen.Get(), SmallSheet).Sheets;
    }
};

} // namespace

// The notes run on over sheets whatever the screen's zoom; a failing printer is told in words.
TEST_F(PagePrinting, NotesRunOnOverSheetsAndFailuresAreToldInWords) {
    const PrintPlan plan = PlanSheets(shared.Tangs[0], ui::WindowDc(nullptr).Get(), SmallSheet);
    const std::vector<PageSpan>& spans = plan.Sheets;
    ASSERT_GE(spans.size(), 3u) << "120 lines of notes fill more than two small sheets";
    EXPECT_EQ(spans.back().End, static_cast<long>(plan.Lines.size()));
    std::u16string printed; // every character the plan prints, in order
    for (const PrintLine& line : plan.Lines) {
        EXPECT_LE(line.Width, plan.Layout.Body.Right - plan.Layout.Body.Left);
        for (const PrintPiece& piece : line.Pieces) {
            printed += piece.Text;
        }
    }
    std::u16string shown = PageText();
    std::erase(shown, u'\r'); // the print makes its own lines
    std::erase(shown, u'\n');
    EXPECT_EQ(printed, shown);
    SetFocus(Page());
    for (int press = 0; press < 10; ++press) {
        PressChord(VK_OEM_PLUS, true);
    }
    EXPECT_EQ(Plan(), spans) << "the screen's zoom does not change the print";

    const ui::MemoryDc notAPrinter(nullptr);
    const PrintOutcome failure = PrintSheets(shared.Tangs[0], 0, notAPrinter.Get());
    ASSERT_NE(failure.Error, 0u);
    EXPECT_EQ(failure.Step, PrintStep::Accepting);
    EXPECT_TRUE(
        PrintFailedMessage(u"某打印机", failure).starts_with(u"无法打印：打印机“某打印机”"));

    Click(ReaderControl(cmdMoveNext));
    EXPECT_EQ(Plan().size(), 1u) << "a short poem takes one sheet";
}

// Prints the long poem on the system's default printer through the dialog's OK button. Run by
// tests/print/run.sh, which sets up a printer that writes PDF files and checks what it wrote.
TEST_F(PagePrinting, PrintsOnTheDefaultPrinter) {
    if (std::getenv("TANG_PRINT_TEST") == nullptr) {
        GTEST_SKIP() << "needs a printer: tests/print/run.sh";
    }
    MessageBoxCatcher catcher; // presses OK in the print dialog too
    SetFocus(Page());
    PressChord(VK_OEM_PLUS, true); // the screen's zoom must not show on paper
    PressChord('P', true);
    ASSERT_EQ(catcher.Boxes().size(), 1u) << "the print dialog, and no failure";
    ExpectShowing(0);
}

// A printer whose queue rejects every job: run by tests/print/run.sh with the queue's name.
// The message names the printer, and the spooler's inner error is not passed off as a reason.
TEST_F(PagePrinting, ARejectingPrinterIsNamedInTheMessage) {
    const char* queue = std::getenv("TANG_PRINT_REJECTING");
    if (queue == nullptr) {
        GTEST_SKIP() << "needs a queue that rejects jobs: tests/print/run.sh";
    }
    const std::wstring name(queue, queue + std::strlen(queue));
    wchar_t previous[256]{};
    DWORD size = 256;
    GetDefaultPrinterW(previous, &size);
    ASSERT_TRUE(SetDefaultPrinterW(name.c_str()));
    MessageBoxCatcher catcher; // presses OK in the print dialog, then in the message
    PressChord('P', true);
    SetDefaultPrinterW(previous);
    ASSERT_EQ(catcher.Boxes().size(), 2u) << "the print dialog, then the failure";
    const std::u16string& message = catcher.Boxes()[1].Text;
    EXPECT_TRUE(
        message.starts_with(u"无法打印：打印机“" + std::u16string(name.begin(), name.end()) + u"”"))
        << "names the printer";
    EXPECT_NE(message.find(u"错误代码"), std::u16string::npos);
    EXPECT_EQ(message.find(u"Invalid handle"), std::u16string::npos);
    ExpectShowing(0);
}
