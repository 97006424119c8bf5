// The vertical page: where it sets the runs, its menu and copying, how it follows the poem, the
// text size and the DPI, and what a screen reader and the keyboard meet.
#include "AccessibleFacts.h"
#include "MessageBoxCatcher.h"
#include "Painted.h"
#include "ReaderFixture.h"

#include "AccessibleText.h"
#include "Controls.h"
#include "PageText.h"
#include "PoemAtEveryCap.h"
#include "ReaderLayout.h"
#include "SearchLayout.h"
#include "VerticalPage.h"

#include <array>
#include <cmath>
#include <richedit.h>

namespace {

// The page's colour a pixel was drawn in, or the background: the colour whose difference from
// the background points the pixel's way more than any other's. Edges smoothed into the
// background count too.
COLORREF InkAt(COLORREF pixel) {
    const COLORREF background = GetSysColor(COLOR_WINDOW);
    const auto fromBackground = [background](COLORREF colour) {
        return std::array<double, 3>{double(GetRValue(colour)) - GetRValue(background),
                                     double(GetGValue(colour)) - GetGValue(background),
                                     double(GetBValue(colour)) - GetBValue(background)};
    };
    const std::array<double, 3> seen = fromBackground(pixel);
    COLORREF best = background;
    double bestCosine = 0;
    for (const COLORREF ink :
         std::initializer_list<COLORREF>{TitleColour, AuthorColour, ContentColour, NotesColour}) {
        const std::array<double, 3> way = fromBackground(ink);
        const double cosine =
            (seen[0] * way[0] + seen[1] * way[1] + seen[2] * way[2]) /
            (std::hypot(seen[0], seen[1], seen[2]) * std::hypot(way[0], way[1], way[2]));
        if (std::hypot(seen[0], seen[1], seen[2]) >= 30 && cosine > bestCosine) {
            best = ink;
            bestCosine = cosine;
        }
    }
    return best;
}

// The vertical page as it paints itself, read by the colours of the page.
struct Picture : Painted {
    explicit Picture(HWND window) : Painted(window, PRF_CLIENT) {}
    // The box around the pixels inside `area` drawn in `ink`.
    RECT InkOf(COLORREF ink, RECT area) const {
        return Bounds(area, [ink](COLORREF pixel) { return InkAt(pixel) == ink; });
    }
};

bool IsEmpty(const RECT& rect) {
    return IsRectEmpty(&rect);
}

// Starts nothing: each test starts the reader on its own anthology.
class VerticalView : public ReaderFixture {
protected:
    HWND Box() const { return ReaderControl(RichText1); }
    HWND Page() const {
        return FindWindowExW(reader->Handle(), nullptr, VerticalPage::ClassName, nullptr);
    }
    VerticalPage& View() const { return *VerticalPage::FromWindow(Page()); }
    bool IsVertical() const {
        return Page() != nullptr && IsWindowVisible(Page()) && !IsWindowVisible(Box());
    }
    void TurnWithF8() {
        SetFocus(IsVertical() ? Page() : Box());
        PressKey(VK_F8);
    }
    RECT Cell(uint32_t position) const { return View().CellRect(position).value_or(RECT{}); }
    SCROLLINFO Bar() const {
        SCROLLINFO bar{};
        bar.cbSize = sizeof bar;
        bar.fMask = SIF_ALL;
        EXPECT_TRUE(GetScrollInfo(Page(), SB_HORZ, &bar));
        return bar;
    }
    RECT InkOnView(COLORREF ink) const {
        const Picture picture(Page());
        return picture.InkOf(ink, picture.Client());
    }
};

// 一 is far wider than high: standing upright, its ink is a flat bar.
const std::u8string OneMountain =
    u8"<一山>\r\n(王维)\r\n一，二三四五\r\n六七八九十\r\n//注：甲乙//\r\n"
    u8"<二水>\r\n(李白)\r\n水\r\n//N//\r\n";
constexpr uint32_t VersePosition = 7; // 一山 CR LF 王维 CR LF CR LF, each break one position

} // namespace

// Title and verse stand where vertical type sets them. The menu offers the view, checked
// while on; 复制 on it, and Ctrl+A and Ctrl+C, copy the page as Unicode text with CR LF, as the
// horizontal page would.
TEST_F(VerticalView, SetsTheRunsInColumnsAndCopiesAsTheHorizontalPage) {
    StartWithUtf8(OneMountain);
    ASSERT_FALSE(IsVertical()) << "every start is horizontal";
    TurnWithF8();
    ASSERT_TRUE(IsVertical());
    EXPECT_EQ(GetFocus(), Page()) << "the focus goes along";
    const RECT page = RectInParent(Page()), box = RectInParent(Box());
    EXPECT_TRUE(EqualRect(&page, &box)) << "in the box's place";

    const Picture picture(Page());
    const RECT client = picture.Client();
    // The title stands in the rightmost column: nothing of the verses lies to its right.
    const RECT title = picture.InkOf(TitleColour, client);
    const RECT verses = picture.InkOf(ContentColour, client);
    ASSERT_FALSE(IsEmpty(title));
    ASSERT_FALSE(IsEmpty(verses));
    EXPECT_LT(verses.right, title.left);
    EXPECT_GT(title.right, client.right - (title.right - title.left) * 2) << "at the right edge";

    // 一 stands upright in its cell, in the title's and in the verses' colour.
    for (const auto& [cell, ink] :
         {std::pair{Cell(0), TitleColour}, {Cell(VersePosition), ContentColour}}) {
        const RECT one = picture.InkOf(ink, cell);
        ASSERT_FALSE(IsEmpty(one));
        EXPECT_GT(one.right - one.left, 3 * (one.bottom - one.top)) << "flat, not turned";
    }

    TurnWithF8();
    EXPECT_FALSE(IsVertical());
    EXPECT_EQ(GetFocus(), Box());

    // 竖排 comes last, after 复制, 全选 and the reader's commands.
    SetFocus(Box());
    const MenuSeen horizontal = RightClickMenu(Box(), {'V'});
    EXPECT_EQ(horizontal.Items.back(), u"竖排(&V)\tF8");
    EXPECT_FALSE(horizontal.Checked.back());
    ASSERT_TRUE(IsVertical());

    SendMessageW(Box(), EM_SETSEL, 0, 2);
    const MenuSeen vertical = RightClickMenu(Page(), {'C'});
    EXPECT_TRUE(vertical.Checked.back()) << "竖排 checked";
    EXPECT_FALSE(vertical.Greyed.front()) << "复制 offered with a selection";
    EXPECT_EQ(ClipboardUnicode(), u"一山") << "复制 copied the selection";
    RightClickMenu(Page(), {'V'});
    EXPECT_FALSE(IsVertical());

    TurnWithF8();
    PressChord('A', true);
    PressChord('C', true);
    EXPECT_EQ(ClipboardUnicode(), PageText());
}

// The view and the text size stay while the page follows the poem and the DPI.
TEST_F(VerticalView, TheViewAndTheTextSizeStayThroughPoemsSearchAndDpi) {
    StartWithUtf8(OneMountain);
    SetFocus(Box());
    PressChord(VK_OEM_PLUS, true);
    PressChord(VK_OEM_PLUS, true);
    TurnWithF8();
    const LONG cellAt120 = Cell(0).bottom - Cell(0).top;
    const auto height = [](const RECT& ink) {
        return ink.bottom - ink.top;
    };
    const LONG titleAt120 = height(InkOnView(TitleColour));
    Click(ReaderControl(cmdMoveNext));
    ExpectShowing(1);
    ASSERT_TRUE(IsVertical());
    EXPECT_EQ(reader->Zoom().Percent(), 120);
    EXPECT_LT(height(InkOnView(ContentColour)), 2 * cellAt120) << "水 alone, of the poem now shown";

    Click(ReaderControl(cmdMovePrev));
    MoveToDpi(144);
    EXPECT_TRUE(IsVertical());
    EXPECT_EQ(reader->Zoom().Percent(), 120);
    EXPECT_EQ(RectInParent(Page()).right, RectInParent(Box()).right) << "moved with the box";
    EXPECT_NEAR(Cell(0).bottom - Cell(0).top, cellAt120 * 3 / 2, 1);
    EXPECT_NEAR(height(InkOnView(TitleColour)), titleAt120 * 3 / 2, 3) << "drawn at 150 %";
}

// The focused page is the document a screen reader reads, renamed with each poem; Ctrl with
// the wheel sizes it, and not the hidden box (laying out a long page for each step takes
// seconds).
TEST_F(VerticalView, TheFocusedPageIsReadAndSized) {
    StartWithUtf8(u8"<山行>\r\n(杜牧)\r\n" + Repeated(u8"远上寒山石径斜\r\n", 40) +
                  u8"//N//\r\n<二>\r\n(乙)\r\nB\r\n//N//\r\n");
    TurnWithF8();
    ASSERT_TRUE(IsWindowVisible(Page()));
    ASSERT_EQ(GetFocus(), Page());
    const std::optional<AccessibleFacts> page = AskWindow(GetFocus());
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->Role, ROLE_SYSTEM_DOCUMENT);
    EXPECT_EQ(page->Name, u"山行 杜牧");
    EXPECT_EQ(page->Value, PageText());

    const LONG cell = (Cell(0).bottom - Cell(0).top);
    SendMessageW(Page(), WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), 0);
    EXPECT_EQ(reader->Zoom().Percent(), 110);
    EXPECT_GT((Cell(0).bottom - Cell(0).top), cell);
    EXPECT_EQ(PageZoom(), 100) << "the hidden box keeps its layout";
    SetFocus(ReaderControl(cboTang));
    PressKey(VK_DOWN); // the next poem, chosen in the list
    EXPECT_EQ(AskWindow(Page())->Name, u"二 乙");
    TurnWithF8();
    EXPECT_EQ(PageZoom(), 110) << "the box takes the size when it is shown again";
}

// A poem at every cap of the loader shows, names and turns whole.
TEST_F(VerticalView, APoemAtEveryCapIsShownNamedAndTurnedWhole) {
    MessageBoxCatcher catcher; // the load says which lines were cut
    const std::u16string poem = PoemAtEveryCap();
    const std::string utf16 = "\xFF\xFE" + std::string(reinterpret_cast<const char*>(poem.data()),
                                                       poem.size() * sizeof(char16_t));
    Start(&utf16);
    ASSERT_EQ(shared.Tangs.size(), 1u);
    std::u16string page = RunsOf(0);
    EXPECT_GT(page.size(), 32767u) << "more than a rich-edit control takes by default";
    EXPECT_TRUE(PageText() == page); // not printed in full: tens of thousands of characters
    EXPECT_EQ(AskWindow(Box()).value_or(AccessibleFacts{}).Name, PageName(shared.Tangs[0]));

    TurnWithF8();
    ASSERT_TRUE(IsVertical());
    EXPECT_FALSE(IsEmpty(Picture(Page()).InkOf(TitleColour, Cell(0))));
    PressKey(VK_END);
    EXPECT_EQ(Bar().nPos, 0) << "at the last column";
    EXPECT_FALSE(IsEmpty(InkOnView(NotesColour))) << "the notes' end in view";
}
