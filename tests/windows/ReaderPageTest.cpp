#include "MessageBoxCatcher.h"
#include "ReaderFixture.h"

#include "AnthologyGenerator.h"
#include "Controls.h"
#include "PoemAtEveryCap.h"
#include "ReaderLayout.h"

#include <commctrl.h>
#include <richedit.h>
#include <utility>

namespace {

const std::u8string Poems = u8"[五言绝句]\r\n<静夜思>\r\n(李白)\r\n床前明月光，\r\n疑是地上霜。\r\n"
                            u8"//作者：李白\r\n字太白。//\r\n"
                            u8"<春晓>\r\n(孟浩然)\r\n春眠不觉晓，\r\n//N2//\r\n"
                            u8"<>\r\n()\r\n//\r\n";

// The text limit last given to a rich-edit control on this thread, seen as the message goes by:
// the control itself does not say under Wine (EM_GETLIMITTEXT answers 0 there).
LPARAM textLimit = 0;
LRESULT CALLBACK WatchTextLimit(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == EM_EXLIMITTEXT) {
        textLimit = sent->lParam;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class ReaderPage : public ReaderFixture {
protected:
    // The character format of characters `from` to `to` of the page, counting a line break as
    // one character as the rich-edit control does, and the alignment of their paragraph.
    std::pair<CHARFORMAT2W, WORD> FormatOf(long from, long to) const {
        HWND box = ReaderControl(RichText1);
        SendMessageW(box, EM_SETSEL, from, to);
        CHARFORMAT2W character{};
        character.cbSize = sizeof character;
        SendMessageW(box, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&character));
        PARAFORMAT2 paragraph{};
        paragraph.cbSize = sizeof paragraph;
        SendMessageW(box, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraph));
        return {character, paragraph.wAlignment};
    }
};

} // namespace

TEST_F(ReaderPage, StartUpListsEveryPoemAndShowsTheFirstAsFourRuns) {
    StartWithUtf8(Poems);
    const ui::ComboBox list(ReaderControl(cboTang));
    ASSERT_EQ(list.ListCount(), 3);
    EXPECT_EQ(ListEntry(0), Utf16(u8"(001) 静夜思 [李白]"));
    EXPECT_EQ(ListEntry(2), u"(003)  []");
    EXPECT_EQ(list.Text(), ListEntry(0)) << "the preset edit text gives way to the entry";
    ExpectShowing(0);
    EXPECT_FALSE(IsWindowVisible(Search().Handle()));

    EXPECT_EQ(PageText(), Utf16(u8"静夜思\r\n李白\r\n\r\n床前明月光，\r\n疑是地上霜。\r\n\r\n"
                                u8"作者：李白\r\n字太白。"));
    // Positions in the control's own text, where a line break is a single character.
    const struct {
        long Position;
        uint32_t Colour;
        WORD Alignment;
    } runs[] = {{0, TitleColour, PFA_CENTER},
                {4, AuthorColour, PFA_CENTER},
                {8, ContentColour, PFA_CENTER},
                {23, NotesColour, PFA_LEFT},
                {29, NotesColour, PFA_LEFT}};
    for (const auto& run : runs) {
        const auto [character, alignment] = FormatOf(run.Position, run.Position + 1);
        EXPECT_EQ(character.crTextColor, run.Colour) << run.Position;
        EXPECT_EQ(alignment, run.Alignment) << run.Position;
    }
    const CHARFORMAT2W all = FormatOf(0, -1).first;
    EXPECT_TRUE(all.dwMask & CFM_SIZE) << "one size throughout";
    EXPECT_EQ(all.yHeight, 240) << "12 points";
}

TEST_F(ReaderPage, EveryPoemRebuildsTheWholePage) {
    StartWithUtf8(Poems);
    Click(ReaderControl(cmdMoveNext));
    EXPECT_EQ(PageText(), Utf16(u8"春晓\r\n孟浩然\r\n\r\n春眠不觉晓，\r\n\r\nN2\r\n"));
    Click(ReaderControl(cmdMoveNext));
    EXPECT_EQ(PageText(), u"\r\n\r\n\r\n\r\n\r\n") << "empty title, author and verses";
    EXPECT_EQ(Caption(), u"青简雅韵集 第3首");
    Click(ReaderControl(cmdMoveFirst));
    const std::u16string first = PageText();
    reader->ShowTang(0);
    EXPECT_EQ(PageText(), first) << "showing the same poem again gives the same page";
}

TEST_F(ReaderPage, CaptionLabelGrowsToTheRightAndStaysLeftOfNext) {
    const std::string bytes = GenerateAnthology({.Poems = 1200});
    Start(&bytes);
    const RECT before = RectInParent(ReaderControl(lblInfo));
    Click(ReaderControl(cmdMoveLast));
    EXPECT_EQ(Caption(), u"青简雅韵集 第1200首");
    const RECT after = RectInParent(ReaderControl(lblInfo));
    EXPECT_EQ(after.left, 2040 / 15);
    EXPECT_GT(after.right, before.right);
    EXPECT_LT(after.right, 4200 / 15);
    const TangRecord& record = shared.Tangs[999];
    EXPECT_EQ(ListEntry(999), u"(1000) " + record.Title + u" [" + record.Author + u"]");
}

TEST_F(ReaderPage, APageAtEveryCapOfTheLoaderShowsWhole) {
    textLimit = 0;
    const UniqueHook hook = HookThisThread(WH_CALLWNDPROC, WatchTextLimit);
    MessageBoxCatcher catcher; // the load says which lines were cut
    const std::u16string poem = PoemAtEveryCap();
    const std::string bytes = "\xFF\xFE" + std::string(reinterpret_cast<const char*>(poem.data()),
                                                       poem.size() * sizeof(char16_t)); // UTF-16
    Start(&bytes);
    ASSERT_EQ(shared.Tangs.size(), 1u);
    std::u16string page;
    for (const PageRun& run : PageRuns(shared.Tangs[0])) {
        page += run.Text;
    }
    // Far above the 32767 characters a rich-edit control takes by default.
    EXPECT_GE(static_cast<size_t>(textLimit), MaxPageLength);
    EXPECT_GT(page.size(), 32767u);
    EXPECT_EQ(PageText(), page);
}

// A box that runs out of memory takes nothing more; the user is told, and the program goes on.
LRESULT CALLBACK TakeNoText(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR) {
    return message == EM_REPLACESEL ? 0 : DefSubclassProc(box, message, wParam, lParam);
}

TEST_F(ReaderPage, APageTheBoxCannotTakeIsReportedAndTheReaderGoesOn) {
    StartWithUtf8(Poems);
    MessageBoxCatcher catcher;
    HWND box = ReaderControl(RichText1);
    SetWindowSubclass(box, TakeNoText, 1, 0);
    Click(ReaderControl(cmdMoveNext));
    ASSERT_EQ(catcher.Boxes().size(), 1u);
    EXPECT_EQ(catcher.Boxes()[0].Text, PageNotWholeMessage);
    EXPECT_EQ(Caption(), u"青简雅韵集 第2首");
    RemoveWindowSubclass(box, TakeNoText, 1);
    Click(ReaderControl(cmdMoveFirst));
    ExpectShowing(0);
    EXPECT_EQ(catcher.Boxes().size(), 1u) << "a page taken whole says nothing";
}
