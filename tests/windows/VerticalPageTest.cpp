#include "MessageBoxCatcher.h"
#include "Painted.h"
#include "ReaderFixture.h"

#include "Clipboard.h"
#include "Controls.h"
#include "ReaderLayout.h"
#include "SearchLayout.h"
#include "VerticalPage.h"

#include <array>
#include <cmath>
#include <algorithm>
#include <richedit.h>

namespace {

// 一 is far wider than high: standing upright, its ink is a flat bar.
const std::u8string OneMountain =
    u8"<一山>\r\n(王维)\r\n一，二三四五\r\n六七八九十\r\n//注：甲乙//\r\n"
    u8"<二水>\r\n(李白)\r\n水\r\n//N//\r\n";
constexpr uint32_t VersePosition = 7; // 一山 CR LF 王维 CR LF CR LF, each break one position
constexpr COLORREF TitleInk = RGB(88, 84, 255);
constexpr COLORREF AuthorInk = RGB(255, 85, 90);
constexpr COLORREF VerseInk = RGB(140, 134, 140);
constexpr COLORREF NotesInk = RGB(0, 174, 0);

// The vertical page as it paints itself, read by the colours of the page.
class Picture : public Painted {
public:
    explicit Picture(HWND window) : Painted(window, PRF_CLIENT) {}

    // The box around the pixels inside `area` drawn in `ink`: those unlike the background
    // whose difference from it points the way `ink`'s does, more than any other colour's of
    // the page. Edges smoothed into the background count too.
    RECT InkOf(COLORREF ink, RECT area) const {
        return Bounds(area, [ink](COLORREF pixel) { return InkAt(pixel) == ink; });
    }

private:
    static std::array<double, 3> FromBackground(COLORREF colour) {
        const COLORREF background = GetSysColor(COLOR_WINDOW);
        return {double(GetRValue(colour)) - GetRValue(background),
                double(GetGValue(colour)) - GetGValue(background),
                double(GetBValue(colour)) - GetBValue(background)};
    }
    static double Length(const std::array<double, 3>& v) {
        return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    }
    // The page's colour the pixel was drawn in, or the background.
    static COLORREF InkAt(COLORREF pixel) {
        const std::array<double, 3> seen = FromBackground(pixel);
        if (Length(seen) < 30) {
            return GetSysColor(COLOR_WINDOW);
        }
        COLORREF best = GetSysColor(COLOR_WINDOW);
        double bestCosine = 0;
        for (const COLORREF ink :
             {TitleInk, AuthorInk, VerseInk, NotesInk, GetSysColor(COLOR_HIGHLIGHT)}) {
            const std::array<double, 3> way = FromBackground(ink);
            const double cosine = (seen[0] * way[0] + seen[1] * way[1] + seen[2] * way[2]) /
                                  (Length(seen) * Length(way));
            if (cosine > bestCosine) {
                best = ink;
                bestCosine = cosine;
            }
        }
        return best;
    }
};

bool IsEmpty(const RECT& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

class Vertical : public ReaderFixture {
protected:
    void SetUp() override { StartWithUtf8(OneMountain); }

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
    RECT Cell(uint32_t position) const {
        const std::optional<RECT> cell = View().CellRect(position);
        return cell.value_or(RECT{});
    }
};

} // namespace

TEST_F(Vertical, TitleVerseAndCommaStandWhereVerticalTypeSetsThem) {
    ASSERT_FALSE(IsVertical()) << "every start is horizontal";
    TurnWithF8();
    ASSERT_TRUE(IsVertical());
    EXPECT_EQ(GetFocus(), Page()) << "the focus goes along";
    EXPECT_EQ(RectInParent(Page()).left, RectInParent(Box()).left);
    EXPECT_EQ(RectInParent(Page()).bottom, RectInParent(Box()).bottom);
    EXPECT_EQ(GetWindowLongW(Page(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE);

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

    const RECT firstOfTitle = Cell(0);
    const RECT author = Cell(4);
    const RECT firstOfVerse = Cell(VersePosition);
    const RECT comma = Cell(VersePosition + 1);
    const LONG pitch = firstOfTitle.left - author.left;
    ASSERT_GT(pitch, firstOfTitle.right - firstOfTitle.left) << "columns stand apart";
    EXPECT_EQ(firstOfVerse.left, firstOfTitle.left - 3 * pitch) << "after an empty column";
    EXPECT_EQ(comma.left, firstOfVerse.left);
    EXPECT_EQ(comma.top, firstOfVerse.bottom) << "the next cell down";

    // 一 stands upright in its cell, in the title's and in the verses' colour.
    for (const auto& [cell, ink] : {std::pair{firstOfTitle, TitleInk}, {firstOfVerse, VerseInk}}) {
        const RECT one = picture.InkOf(ink, cell);
        ASSERT_FALSE(IsEmpty(one));
        EXPECT_GT(one.right - one.left, 3 * (one.bottom - one.top)) << "flat, not turned";
        EXPECT_GT(one.right - one.left, (cell.right - cell.left) / 2);
    }
    // The comma sits in the upper right of its cell.
    const RECT mark = picture.InkOf(VerseInk, comma);
    ASSERT_FALSE(IsEmpty(mark));
    EXPECT_GT(mark.left + mark.right, comma.left + comma.right) << "right of the middle";
    EXPECT_LT(mark.top + mark.bottom, comma.top + comma.bottom) << "above the middle";

    TurnWithF8();
    EXPECT_FALSE(IsVertical());
    EXPECT_EQ(GetFocus(), Box());
}

TEST_F(Vertical, TheMenuOffersTheViewCheckedWhileOnAndCopyingGivesTheHorizontalPagesText) {
    // 竖排 comes last, after 复制, 全选 and the reader's commands.
    const MenuSeen horizontal = RightClickMenu(Box(), {'V'});
    ASSERT_GE(horizontal.Items.size(), 3u);
    EXPECT_EQ(horizontal.Items.front(), u"复制(&C)");
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
    ASSERT_TRUE(IsVertical());
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
    const Picture picture(Page());
    EXPECT_FALSE(IsEmpty(picture.InkOf(GetSysColor(COLOR_HIGHLIGHT), Cell(4))))
        << "the selection shows";
    TurnWithF8();
    ASSERT_TRUE(ui::PutTextOnClipboard(nullptr, u"before"));
    PressChord('C', true);
    EXPECT_EQ(ClipboardUnicode(), dragged) << "the same selection on the horizontal page";
}

TEST_F(Vertical, TheViewStaysThroughPoemsSearchAndDpi) {
    TurnWithF8();
    Click(ReaderControl(cmdMoveNext));
    ExpectShowing(1);
    ASSERT_TRUE(IsVertical());
    EXPECT_FALSE(IsEmpty(Picture(Page()).InkOf(TitleInk, Cell(0)))) << "二水 drawn";

    OpenSearch();
    Click(SearchControl(cmdSearch));
    Search().Results().SetListIndex(0);
    SendMessageW(Search().Handle(), WM_COMMAND, MAKEWPARAM(lstTang, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(SearchControl(lstTang)));
    ExpectShowing(0);
    EXPECT_TRUE(IsVertical());

    const LONG cellAt96 = Cell(0).bottom - Cell(0).top;
    const auto titleHeight = [this] {
        const Picture picture(Page());
        const RECT title = picture.InkOf(TitleInk, picture.Client());
        return title.bottom - title.top;
    };
    const LONG titleAt96 = titleHeight();
    MoveToDpi(144);
    EXPECT_TRUE(IsVertical());
    EXPECT_EQ(RectInParent(Page()).right, RectInParent(Box()).right) << "moved with the box";
    EXPECT_EQ(RectInParent(Page()).top, RectInParent(Box()).top);
    EXPECT_NEAR(Cell(0).bottom - Cell(0).top, cellAt96 * 3 / 2, 1);
    EXPECT_NEAR(titleHeight(), titleAt96 * 3 / 2, 3) << "drawn at 150 %";
    View().SetZoomPercent(200); // the text size, on top of the DPI
    EXPECT_NEAR(Cell(0).bottom - Cell(0).top, cellAt96 * 3, 1);
    EXPECT_NEAR(titleHeight(), titleAt96 * 3, 6);

    Restart();
    StartWithUtf8(OneMountain);
    EXPECT_FALSE(IsVertical()) << "nothing was remembered";
}

TEST_F(Vertical, ALongPoemScrollsFromTheRightEdge) {
    Restart();
    StartWithUtf8(u8"<长>\r\n(甲)\r\n" + Repeated(u8"床前明月光\r\n", 200) + u8"//N//\r\n");
    TurnWithF8();
    SCROLLINFO bar{};
    bar.cbSize = sizeof bar;
    bar.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(Page(), SB_HORZ, &bar));
    EXPECT_EQ(bar.nPos, bar.nMax - static_cast<int>(bar.nPage) + 1) << "the thumb at the right";
    const LONG start = Cell(0).left;
    EXPECT_GT(start, Picture(Page()).Client().right * 3 / 4);

    PressKey(VK_LEFT);
    const LONG pitch = Cell(0).left - start;
    EXPECT_GT(pitch, 0) << "the left arrow reads on";
    SendMessageW(Page(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(Cell(0).left, start + 4 * pitch) << "a notch, three columns";
    SendMessageW(Page(), WM_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_EQ(Cell(0).left, start + 3 * pitch);
    PressKey(VK_END);
    const uint32_t lastVerse = 6 + 199 * 6; // 长 甲 and the empty line, then six per verse line
    const RECT last = Cell(lastVerse);
    EXPECT_GE(last.left, 0) << "the last verse in view";
    EXPECT_LT(last.right, Picture(Page()).Client().right);
    ASSERT_TRUE(GetScrollInfo(Page(), SB_HORZ, &bar));
    EXPECT_EQ(bar.nPos, 0);
    PressKey(VK_HOME);
    EXPECT_EQ(Cell(0).left, start);
}

TEST_F(Vertical, PoemAtEveryLimitAndEmptyAnthologyShow) {
    // Titles and authors are cut at 4000 characters, verse and notes lines at 16000, and
    // verses and notes each at 20000.
    const std::u8string name = Repeated(u8"静", 5000);
    const std::u8string lines = Repeated(Repeated(u8"静", 16000) + u8"\r\n", 2);
    Restart();
    MessageBoxCatcher catcher; // the lines cut at the limits are reported
    StartWithUtf8(u8"<" + name + u8">\r\n(" + name + u8")\r\n" + lines + u8"//" + lines +
                  u8"//\r\n");
    TurnWithF8();
    ASSERT_TRUE(IsVertical());
    EXPECT_FALSE(IsEmpty(Picture(Page()).InkOf(TitleInk, Cell(0))));
    PressKey(VK_END);
    SCROLLINFO bar{};
    bar.cbSize = sizeof bar;
    bar.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(Page(), SB_HORZ, &bar));
    EXPECT_EQ(bar.nPos, 0) << "at the last column";
    EXPECT_GT(bar.nMax, 100 * Cell(0).bottom) << "hundreds of columns";
    const Picture end(Page());
    EXPECT_FALSE(IsEmpty(end.InkOf(NotesInk, end.Client()))) << "the notes' end in view";
    EXPECT_TRUE(IsEmpty(end.InkOf(TitleInk, end.Client())));

    Restart();
    Start(nullptr); // the message that ts.txt is missing goes to the catcher
    TurnWithF8();
    ASSERT_TRUE(IsVertical()) << "an empty page turns too";
    const Picture empty(Page());
    for (const COLORREF ink : {TitleInk, AuthorInk, VerseInk, NotesInk}) {
        EXPECT_TRUE(IsEmpty(empty.InkOf(ink, empty.Client())));
    }
}
