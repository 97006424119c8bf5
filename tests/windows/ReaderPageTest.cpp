#include "MessageBoxCatcher.h"
#include "ReaderFixture.h"

#include "AnthologyGenerator.h"
#include "Controls.h"
#include "ReaderLayout.h"

#include <commctrl.h>
#include <richedit.h>
#include <utility>

namespace {

const std::u8string Poems = u8"[五言绝句]\r\n<静夜思>\r\n(李白)\r\n床前明月光，\r\n疑是地上霜。\r\n"
                            u8"//作者：李白\r\n字太白。//\r\n"
                            u8"<春晓>\r\n(孟浩然)\r\n春眠不觉晓，\r\n//N2//\r\n"
                            u8"<>\r\n()\r\n//\r\n";

class ReaderPage : public ReaderFixture {};

} // namespace

TEST_F(ReaderPage, StartUpListsEveryPoemAndShowsEachAsItsRunsInTheirColoursAndAlignment) {
    StartWithUtf8(Poems);
    const ui::ComboBox list(ReaderControl(cboTang));
    ASSERT_EQ(list.ListCount(), 3);
    EXPECT_EQ(list.Text(), Utf16(u8"(001) 静夜思 [李白]")) << "the preset gives way to the entry";
    ExpectShowing(0);
    EXPECT_FALSE(IsWindowVisible(Search().Handle()));
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
        const PageFormat format = PageFormatAt(run.Position);
        EXPECT_EQ(format.Colour, run.Colour) << run.Position;
        EXPECT_EQ(format.Alignment, run.Alignment) << run.Position;
        EXPECT_EQ(format.Size, 240) << "12 points";
    }
    // Every poem rebuilds the whole page, an empty one too.
    EXPECT_EQ(PageText(), RunsOf(0));
    for (const int poem : {1, 2}) {
        Click(ReaderControl(cmdMoveNext));
        EXPECT_EQ(PageText(), RunsOf(poem)) << poem;
    }
}

TEST_F(ReaderPage, CaptionLabelGrowsToTheRightAndStaysLeftOfNext) {
    const std::string bytes = GenerateAnthology({.Poems = 1200});
    Start(&bytes);
    const RECT before = RectInParent(ReaderControl(lblInfo));
    Click(ReaderControl(cmdMoveLast));
    EXPECT_EQ(Caption(), u"青简雅韵集 第1200首");
    const RECT after = RectInParent(ReaderControl(lblInfo));
    EXPECT_EQ(after.left, before.left);
    EXPECT_GT(after.right, before.right);
    EXPECT_LE(after.right, RectInParent(ReaderControl(cmdMoveNext)).left);
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
