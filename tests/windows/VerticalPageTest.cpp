#include "VerticalPicture.h"

#include "Clipboard.h"
#include "Controls.h"
#include "SearchLayout.h"

#include <algorithm>
#include <richedit.h>

namespace {

// 一 is far wider than high: standing upright, its ink is a flat bar.
const std::u8string OneMountain =
    u8"<一山>\r\n(王维)\r\n一，二三四五\r\n六七八九十\r\n//注：甲乙//\r\n"
    u8"<二水>\r\n(李白)\r\n水\r\n//N//\r\n";
constexpr uint32_t VersePosition = 7; // 一山 CR LF 王维 CR LF CR LF, each break one position

class Vertical : public VerticalView {
protected:
    void SetUp() override { StartWithUtf8(OneMountain); }
};

} // namespace

TEST_F(Vertical, TitleVerseAndCommaStandWhereVerticalTypeSetsThem) {
    ASSERT_FALSE(IsVertical()) << "every start is horizontal";
    TurnWithF8();
    ASSERT_TRUE(IsVertical());
    EXPECT_EQ(GetFocus(), Page()) << "the focus goes along";
    const RECT page = RectInParent(Page()), box = RectInParent(Box());
    EXPECT_TRUE(EqualRect(&page, &box)) << "in the box's place";

    const Picture picture(Page());
    const RECT client = picture.Client();
    // The title stands in the rightmost column: nothing of the verses lies to its right.
    const RECT title = picture.InkOf(TitleInk, client);
    const RECT verses = picture.InkOf(VerseInk, client);
    ASSERT_FALSE(IsEmpty(title));
    ASSERT_FALSE(IsEmpty(verses));
    EXPECT_LT(verses.right, title.left);
    EXPECT_GT(title.right, client.right - (title.right - title.left) * 2) << "at the right edge";
    EXPECT_GT(2 * (title.bottom - title.top), 3 * (title.right - title.left)) << "one column";

    // 一 stands upright in its cell, in the title's and in the verses' colour.
    const RECT firstOfVerse = Cell(VersePosition);
    for (const auto& [cell, ink] : {std::pair{Cell(0), TitleInk}, {firstOfVerse, VerseInk}}) {
        const RECT one = picture.InkOf(ink, cell);
        ASSERT_FALSE(IsEmpty(one));
        EXPECT_GT(one.right - one.left, 3 * (one.bottom - one.top)) << "flat, not turned";
        EXPECT_GT(one.right - one.left, (cell.right - cell.left) / 2);
    }
    // The comma, in the next cell down, sits in its upper right.
    const RECT comma = Cell(VersePosition + 1);
    EXPECT_EQ(comma.top, firstOfVerse.bottom);
    const RECT mark = picture.InkOf(VerseInk, comma);
    ASSERT_FALSE(IsEmpty(mark));
    EXPECT_GT(mark.left + mark.right, comma.left + comma.right) << "right of the middle";
    EXPECT_LT(mark.top + mark.bottom, comma.top + comma.bottom) << "above the middle";

    TurnWithF8();
    EXPECT_FALSE(IsVertical());
    EXPECT_EQ(GetFocus(), Box());
}

// 复制 chosen by its access key on the page's menu, Ctrl+A and Ctrl+C and a drag copy the page
// as Unicode text with CR LF, on the vertical page as on the horizontal one.
TEST_F(Vertical, TheMenuOffersTheViewCheckedWhileOnAndCopyingGivesTheHorizontalPagesText) {
    SetFocus(Box());
    SendMessageW(Box(), EM_SETSEL, 0, 5); // the title, its line break and the author
    RightClickMenu(Box(), {'C'});
    EXPECT_EQ(ClipboardUnicode(), Utf16(u8"一山\r\n王维"));

    // 竖排 comes last, after 复制, 全选 and the reader's commands.
    const MenuSeen horizontal = RightClickMenu(Box(), {'V'});
    ASSERT_GE(horizontal.Items.size(), 3u);
    EXPECT_EQ(horizontal.Items.back(), u"竖排(&V)\tF8");
    EXPECT_EQ(std::count(horizontal.Checked.begin(), horizontal.Checked.end(), true), 0);
    ASSERT_TRUE(IsVertical());

    SendMessageW(Box(), EM_SETSEL, 0, 2);
    const MenuSeen vertical = RightClickMenu(Page(), {'C'});
    EXPECT_EQ(vertical.Items, horizontal.Items) << "the page's own menu";
    ASSERT_EQ(vertical.Checked.size(), vertical.Items.size());
    EXPECT_TRUE(vertical.Checked.back()) << "竖排 checked";
    EXPECT_EQ(std::count(vertical.Checked.begin(), vertical.Checked.end(), true), 1);
    EXPECT_FALSE(vertical.Greyed.front()) << "复制 offered with a selection";
    EXPECT_EQ(ClipboardUnicode(), u"一山") << "复制 copied the selection";
    RightClickMenu(Page(), {'V'});
    EXPECT_FALSE(IsVertical());

    // Ctrl+A and Ctrl+C, and a drag, copy what they would on the horizontal page.
    TurnWithF8();
    PressChord('A', true);
    PressChord('C', true);
    EXPECT_EQ(ClipboardUnicode(), PageText());
    // Dragged from the title's first character to the comma's end.
    const RECT from = Cell(0);
    const RECT to = Cell(VersePosition + 1);
    SendMessageW(Page(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.left + 2, from.top + 1));
    SendMessageW(Page(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.left + 2, to.bottom - 1));
    SendMessageW(Page(), WM_LBUTTONUP, 0, MAKELPARAM(to.left + 2, to.bottom - 1));
    PressChord('C', true);
    const std::u16string dragged = ClipboardUnicode();
    EXPECT_EQ(dragged, Utf16(u8"一山\r\n王维\r\n\r\n一，"));
    EXPECT_FALSE(IsEmpty(Picture(Page()).InkOf(GetSysColor(COLOR_HIGHLIGHT), Cell(4))))
        << "the selection shows";
    TurnWithF8();
    ASSERT_TRUE(ui::PutTextOnClipboard(nullptr, u"before"));
    PressChord('C', true);
    EXPECT_EQ(ClipboardUnicode(), dragged) << "the same selection on the horizontal page";
}

// The view and the text size stay while the page follows the poem, and neither is remembered.
TEST_F(Vertical, TheViewAndTheTextSizeStayThroughPoemsSearchAndDpi) {
    SetFocus(Box());
    PressChord(VK_OEM_PLUS, true);
    PressChord(VK_OEM_PLUS, true);
    TurnWithF8();
    const LONG cellAt120 = Cell(0).bottom - Cell(0).top;
    const auto height = [](const RECT& ink) {
        return ink.bottom - ink.top;
    };
    const LONG titleAt120 = height(InkOnView(TitleInk));
    Click(ReaderControl(cmdMoveNext));
    ExpectShowing(1);
    ASSERT_TRUE(IsVertical());
    EXPECT_EQ(reader->Zoom().Percent(), 120);
    EXPECT_LT(height(InkOnView(VerseInk)), 2 * cellAt120) << "水 alone, of the poem now shown";

    OpenSearch();
    Click(SearchControl(cmdSearch));
    Search().Results().SetListIndex(0);
    Search().lstTang_DblClick();
    ExpectShowing(0);
    EXPECT_TRUE(IsVertical());
    EXPECT_EQ(reader->Zoom().Percent(), 120);

    MoveToDpi(144);
    EXPECT_TRUE(IsVertical());
    EXPECT_EQ(reader->Zoom().Percent(), 120);
    EXPECT_EQ(RectInParent(Page()).right, RectInParent(Box()).right) << "moved with the box";
    EXPECT_NEAR(Cell(0).bottom - Cell(0).top, cellAt120 * 3 / 2, 1);
    EXPECT_NEAR(height(InkOnView(TitleInk)), titleAt120 * 3 / 2, 3) << "drawn at 150 %";
    SetFocus(Page());
    PressChord(VK_NEXT, true);
    ExpectShowing(1);
    EXPECT_EQ(reader->Zoom().Percent(), 120);

    Restart();
    StartWithUtf8(OneMountain);
    EXPECT_FALSE(IsVertical()) << "nothing was remembered";
    EXPECT_EQ(PageZoom(), 100);
}
