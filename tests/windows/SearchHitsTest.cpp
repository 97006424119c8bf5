#include "AccessibleFacts.h"
#include "MessageBoxCatcher.h"
#include "Painted.h"
#include "ReaderFixture.h"

#include "Controls.h"
#include "PageText.h"
#include "ProgramTexts.h"
#include "ReaderLayout.h"
#include "SearchLayout.h"
#include "VerticalPage.h"

namespace {

// On the page of poem 0, where a line break counts one: 静夜思 0-2, 李白 4-5, the verses from 8:
// 床前明月光，明月 with 明月 at 10 and 14.
const std::u8string Anthology = u8"<静夜思>\r\n(李白)\r\n床前明月光，明月\r\n//N//\r\n"
                                u8"<春晓>\r\n(孟浩然)\r\n春眠不觉晓，\r\n//N//\r\n"
                                u8"<月下独酌>\r\n(李白)\r\n举杯邀明月，\r\n//N//\r\n";

class SearchHits : public ReaderFixture {
protected:
    void SetUp() override { StartWithUtf8(Anthology); }
    void SearchFor(const std::u16string& author, const std::u16string& verses) {
        OpenSearch();
        SetWindowTextW(SearchControl(cboAuthor), reinterpret_cast<const wchar_t*>(author.c_str()));
        SetWindowTextW(SearchControl(txtContent), reinterpret_cast<const wchar_t*>(verses.c_str()));
        Click(SearchControl(cmdSearch));
    }
    std::vector<long> MarkedAt(std::initializer_list<long> positions) const {
        return CharactersOn(ReaderControl(RichText1), positions, MarkColour);
    }
    std::u16string PageName() const { return AskWindow(ReaderControl(RichText1))->Name.value(); }
};

} // namespace

// However the poem was reached, a result shows its hits and the author asked for, in both
// views; the caption keeps its words while a screen reader hears which result it is.
TEST_F(SearchHits, AResultShowsItsHitsInBothViewsAndSaysWhichResultItIs) {
    SearchFor(u"李白", u"明月");
    ASSERT_EQ(Results().size(), 2u);
    EXPECT_EQ(MarkedAt({0, 4, 5, 8, 10, 11, 12, 13, 14, 15}),
              (std::vector<long>{4, 5, 10, 11, 14, 15}))
        << "the poem on the page is marked by the search";
    EXPECT_EQ(PageName(), Utf16(u8"静夜思 李白，第 1 个结果，共 2 个"));
    EXPECT_EQ(Caption(), PageCaption(0));

    reader->RunCommand(mnuVertical);
    VerticalPage& vertical = *VerticalPage::FromWindow(
        FindWindowExW(reader->Handle(), nullptr, VerticalPage::ClassName, nullptr));
    const Painted columns(vertical.Handle());
    const auto markedCell = [&](uint32_t position) {
        const RECT cell = vertical.CellRect(position).value();
        return columns.Bounds(cell, [](COLORREF c) { return c == MarkColour; }).right > cell.left;
    };
    EXPECT_TRUE(markedCell(10));
    EXPECT_TRUE(markedCell(4));
    EXPECT_FALSE(markedCell(12));
    reader->RunCommand(mnuVertical);

    Click(ReaderControl(cmdMoveNext));
    EXPECT_TRUE(MarkedAt({0, 4, 8, 9}).empty()) << "a poem that is no result";
    EXPECT_EQ(PageName(), Utf16(u8"春晓 孟浩然"));
    Click(ReaderControl(cmdMoveNext));
    EXPECT_EQ(MarkedAt({0, 5, 6, 9, 12, 13}), (std::vector<long>{5, 6, 12, 13}));

    SearchFor(u"不限定", u"");
    EXPECT_EQ(Results().size(), 3u);
    EXPECT_TRUE(MarkedAt({5, 6, 12, 13}).empty()) << "a new search replaces the marks";
    EXPECT_EQ(PageName(), Utf16(u8"月下独酌 李白，第 3 个结果，共 3 个"));
}

// F3 and Shift+F3 go from the poem on the page to the result after or before it, as a double
// click on it would, with the search window hidden or not.
TEST_F(SearchHits, F3AndShiftF3StepThroughTheResultsFromThePoemShown) {
    HWND page = ReaderControl(RichText1);
    SetFocus(page);
    PressKey(VK_F3);
    EXPECT_TRUE(IsWindowVisible(Search().Handle())) << "before any search, F3 opens it";
    EXPECT_EQ(GetParent(GetFocus()), SearchControl(cboAuthor));

    SearchFor(u"", u"明月");
    Click(SearchControl(cmdCancel));
    SetFocus(page);
    const MessageBoxCatcher catcher;
    PressKey(VK_F3);
    ExpectShowing(2);
    EXPECT_EQ(Search().Results().ListIndex(), 1);
    PressKey(VK_F3);
    ExpectShowing(2);
    PressChord(VK_F3, false, true);
    ExpectShowing(0);
    EXPECT_EQ(Search().Results().ListIndex(), 0);
    PressChord(VK_F3, false, true);
    ExpectShowing(0);
    ASSERT_EQ(catcher.Boxes().size(), 2u);
    EXPECT_EQ(catcher.Boxes()[0].Text, texts::LastResultMessage);
    EXPECT_EQ(catcher.Boxes()[1].Text, texts::FirstResultMessage);
    for (const auto& box : catcher.Boxes()) {
        EXPECT_TRUE(box.InformationAndOk);
        EXPECT_EQ(box.Caption, texts::ProgramName);
    }

    Click(ReaderControl(cmdMoveNext)); // 春晓, no result
    SetFocus(ReaderControl(cboTang));
    PressKey(VK_F3);
    ExpectShowing(2);
    Click(ReaderControl(cmdMovePrev));
    PressChord(VK_F3, false, true);
    ExpectShowing(0);
    EXPECT_FALSE(IsWindowVisible(Search().Handle()));
}
