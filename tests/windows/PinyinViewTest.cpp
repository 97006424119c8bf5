// The 拼音 view: switching it, the readings above the characters, wrapping, copying and what a
// screen reader is given.
#include "AccessibleFacts.h"
#include "Painted.h"
#include "ReaderFixture.h"

#include "PinyinPage.h"
#include "ReaderIds.h"
#include "VerticalPage.h"

#include <algorithm>
#include <set>

namespace {

// On the page of poem 0, where a line break counts one: 山行 0-1, 杜牧 3-4, the verses from 7:
// 远上寒山石径斜， 7-14, then a verse of 48 characters from 16 that wraps.
const std::u8string Anthology =
    u8"<山行>\r\n(杜牧)\r\n远上寒山石径斜，\r\n" + Repeated(u8"白云生处有人家", 6) +
    u8"停车坐爱枫林晚。\r\n//N//\r\n<春晓>\r\n(孟浩然)\r\n春眠不觉晓，\r\n//N//\r\n";
constexpr long LongVerse = 16;

bool IsInk(COLORREF pixel) {
    const COLORREF back = GetSysColor(COLOR_WINDOW);
    return std::abs(GetRValue(pixel) - GetRValue(back)) +
               std::abs(GetGValue(pixel) - GetGValue(back)) +
               std::abs(GetBValue(pixel) - GetBValue(back)) >=
           90;
}

class PinyinView : public ReaderFixture {
protected:
    void SetUp() override {
        StartWithUtf8(Anthology);
        SetFocus(ReaderControl(RichText1));
    }
    PinyinPage& View() const {
        return *PinyinPage::FromWindow(
            FindWindowExW(reader->Handle(), nullptr, PinyinPage::ClassName, nullptr));
    }
    VerticalPage& Vertical() const {
        return *VerticalPage::FromWindow(
            FindWindowExW(reader->Handle(), nullptr, VerticalPage::ClassName, nullptr));
    }
    bool Checked(const std::u16string& item) {
        const MenuSeen menu = RightClickMenu(GetFocus());
        const auto found = std::ranges::find(menu.Items, item);
        EXPECT_NE(found, menu.Items.end()) << "no " << testing::PrintToString(item);
        return found != menu.Items.end() && menu.Checked[found - menu.Items.begin()];
    }
    // Whether ink is painted in the upper and the lower part of the cell at `position`: its
    // reading and its character.
    std::pair<bool, bool> InkAbove(long position) {
        const RECT cell = View().CellRect(static_cast<uint32_t>(position)).value();
        const Painted painted(View().Handle());
        const LONG middle = cell.top + (cell.bottom - cell.top) * 2 / 5;
        const auto inked = [&](LONG top, LONG bottom) {
            return painted.Bounds({cell.left, top, cell.right, bottom}, IsInk).right > cell.left;
        };
        return {inked(cell.top, middle), inked(middle, cell.bottom)};
    }
};

} // namespace

// F7 and the menu turn the view on and off; 竖排 and 拼音 leave each other; the view stays as
// the reader steps on and moves to another DPI.
TEST_F(PinyinView, F7AndTheMenuSwitchTheViewWhichStaysUntilTurnedOff) {
    EXPECT_FALSE(Checked(u"拼音(&Y)\tF7"));
    PressKey(VK_F7);
    ASSERT_TRUE(View().IsOn());
    EXPECT_FALSE(IsWindowVisible(ReaderControl(RichText1)));
    EXPECT_EQ(GetFocus(), View().Handle());
    EXPECT_TRUE(Checked(u"拼音(&Y)\tF7"));

    PressKey(VK_F8);
    EXPECT_TRUE(Vertical().IsOn());
    EXPECT_FALSE(View().IsOn());
    RightClickMenu(GetFocus(), {'Y'});
    EXPECT_TRUE(View().IsOn());
    EXPECT_FALSE(Vertical().IsOn());
    EXPECT_FALSE(Checked(u"竖排(&V)\tF8"));

    PressChord(VK_NEXT, true);
    ExpectShowing(1);
    MoveToDpi(144);
    EXPECT_TRUE(View().IsOn());
    EXPECT_TRUE(InkAbove(0).first) << "春 keeps its reading at 144 DPI";
    PressKey(VK_F7);
    EXPECT_FALSE(View().IsOn());
    EXPECT_TRUE(IsWindowVisible(ReaderControl(RichText1)));
}

// Every Chinese character has its reading painted above it, punctuation none; a verse too long
// for a row wraps between whole characters, each keeping its reading.
TEST_F(PinyinView, ReadingsStandAboveTheCharactersAndWrapWithThem) {
    PressKey(VK_F7);
    EXPECT_EQ(InkAbove(0), std::pair(true, true)) << "山 in the title";
    EXPECT_EQ(InkAbove(3), std::pair(true, true)) << "杜 of the author";
    EXPECT_EQ(InkAbove(13), std::pair(true, true)) << "斜";
    EXPECT_EQ(InkAbove(14), std::pair(false, true)) << "，";

    std::set<LONG> rows;
    for (long at = LongVerse; at < LongVerse + 50; ++at) {
        const RECT cell = View().CellRect(static_cast<uint32_t>(at)).value();
        RECT client{};
        GetClientRect(View().Handle(), &client);
        EXPECT_LE(cell.right, client.right);
        if (rows.insert(cell.top).second && at > LongVerse) {
            EXPECT_TRUE(InkAbove(at).first) << "the first character of a wrapped row, at " << at;
        }
    }
    EXPECT_GE(rows.size(), 2u) << "the long verse wraps";
}

// Copying gives each line of Chinese with a line of its readings; a screen reader is given
// the same text as the view's value.
TEST_F(PinyinView, CopyingAndAScreenReaderGetTheLinesWithTheirReadings) {
    Click(ReaderControl(cmdMoveNext));
    SetFocus(ReaderControl(RichText1));
    PressKey(VK_F7);
    ASSERT_TRUE(View().IsOn());
    PressChord('A', true);
    PressChord('C', true);
    const std::u16string expected = u"春晓\r\nchūn xiǎo\r\n孟浩然\r\nmèng hào rán\r\n\r\n"
                                    u"春眠不觉晓，\r\nchūn mián bù jué xiǎo\r\n\r\nN\r\n";
    EXPECT_EQ(ClipboardUnicode(), expected);
    EXPECT_EQ(AskWindow(View().Handle())->Value, expected);

    SendMessageW(ReaderControl(RichText1), EM_SETSEL, 8, 10);
    reader->RunCommand(mnuCopy);
    EXPECT_EQ(ClipboardUnicode(), u"春眠\r\nchūn mián");

    reader->RunCommand(mnuCopyPicture); // the view as it is shown, from its top to its end
    ASSERT_TRUE(OpenClipboard(nullptr));
    const auto* picture =
        static_cast<const BITMAPINFOHEADER*>(GlobalLock(GetClipboardData(CF_DIB)));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->biHeight, View().WholeSize().cy);
    EXPECT_EQ(picture->biWidth, View().WholeSize().cx);
    GlobalUnlock(GetClipboardData(CF_DIB));
    CloseClipboard();
}
