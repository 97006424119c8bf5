#include "ReaderFixture.h"

#include "Controls.h"
#include "ReaderLayout.h"
#include "SearchLayout.h"

namespace {

// Index: 0 静夜思, 1 春晓, 2 早发白帝城, 3 望庐山瀑布, 4 送孟浩然之广陵, 5 登鹳雀楼
const std::u8string Anthology =
    u8"<序诗>\r\n(无名)\r\n开卷\r\n//N//\r\n"
    u8"[五言绝句]\r\n<静夜思>\r\n(李白)\r\n床前明月光，\r\n//N//\r\n"
    u8"<春晓>\r\n(孟浩然)\r\n春眠不觉晓，\r\n//N//\r\n"
    u8"[七言绝句]\r\n<早发白帝城>\r\n(李白)\r\n朝辞白帝彩云间，\r\n//N//\r\n"
    u8"<望庐山瀑布>\r\n(李白)\r\n日照香炉生紫烟，\r\n//N//\r\n"
    u8"<送孟浩然之广陵>\r\n(李白)\r\n故人西辞黄鹤楼，\r\n//N//\r\n"
    u8"[五言绝句]\r\n<登鹳雀楼>\r\n(王之涣)\r\n白日依山尽，\r\n//N//\r\n";

class SearchWindow : public ReaderFixture {
protected:
    void SetUp() override {
        StartWithUtf8(Anthology);
        OpenSearch();
    }
    void Pick(int comboId, int entry) {
        const ui::ComboBox combo(SearchControl(comboId));
        combo.SetListIndex(entry);
        SendMessageW(Search().Handle(), WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo.Handle()));
    }
    void DoubleClickEntry(int entry) {
        HWND list = SearchControl(lstTang);
        RECT item{};
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(entry),
                     reinterpret_cast<LPARAM>(&item));
        const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
            SendMessageW(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
        }
        ui::DispatchPendingMessages();
    }
};

} // namespace

// The pick lists hold the preset, then the loader's entries; each control feeds the search,
// and a second search replaces the first. A double click opens the poem attached to the entry.
// An owned window without a taskbar button, which Cancel only hides.
TEST_F(SearchWindow, FeedsTheSearchOpensTheAttachedPoemAndCancelOnlyHides) {
    const ui::ComboBox rhymes = Search().Rhymes();
    const ui::ComboBox authors = Search().Authors();
    ASSERT_EQ(rhymes.ListCount(), 4);
    EXPECT_EQ(rhymes.List(0), u"不限定");
    EXPECT_EQ(rhymes.List(3), Utf16(u8"五言绝句")) << "a heading that occurs twice is listed twice";
    ASSERT_EQ(authors.ListCount(), 5);
    EXPECT_EQ(authors.List(4), Utf16(u8"王之涣"));
    EXPECT_EQ(GetFocus(), SearchControl(lstTang));

    TypeText(SearchControl(cboAuthor), Utf16(u8"李白"));
    Click(SearchControl(cmdSearch));
    EXPECT_EQ(Results(), (std::vector<Result>{{Utf16(u8"静夜思 [李白]"), 1},
                                              {Utf16(u8"早发白帝城 [李白]"), 3},
                                              {Utf16(u8"望庐山瀑布 [李白]"), 4},
                                              {Utf16(u8"送孟浩然之广陵 [李白]"), 5}}));
    Pick(cboRhyme, 3); // the second 五言绝句 finds both sections
    Pick(cboAuthor, 0);
    Click(SearchControl(cmdSearch));
    EXPECT_EQ(Results(), (std::vector<Result>{{Utf16(u8"静夜思 [李白]"), 1},
                                              {Utf16(u8"春晓 [孟浩然]"), 2},
                                              {Utf16(u8"登鹳雀楼 [王之涣]"), 6}}));
    TypeText(SearchControl(txtContent), Utf16(u8"白日"));
    Click(SearchControl(cmdSearch));
    EXPECT_EQ(Results(), (std::vector<Result>{{Utf16(u8"登鹳雀楼 [王之涣]"), 6}}));
    TypeText(SearchControl(txtTitle), u"x");
    Click(SearchControl(cmdSearch));
    EXPECT_TRUE(Results().empty()) << "nothing found, and no message";

    SetWindowTextW(SearchControl(txtTitle), L"");
    SetWindowTextW(SearchControl(txtContent), L"");
    Pick(cboRhyme, 0);
    Pick(cboAuthor, 2); // 李白
    Click(SearchControl(cmdSearch));
    DoubleClickEntry(2);
    ExpectShowing(4); // 望庐山瀑布
    EXPECT_EQ(GetForegroundWindow(), reader->Handle());
    EXPECT_TRUE(IsWindowVisible(Search().Handle())) << "the search window stays open";
    Click(ReaderControl(cmdMoveNext));
    EXPECT_EQ(shared.CurrentIndex, 5) << "the next poem of the table, not of the results";

    HWND owner = GetWindow(Search().Handle(), GW_OWNER);
    EXPECT_NE(owner, nullptr);
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_FALSE(GetWindowLongW(Search().Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
    ExpectTabOrder(Search(), {lstTang, cmdCancel, cmdSearch, txtContent, txtTitle, cboRhyme,
                              cboAuthor, lstTang});
    TypeText(SearchControl(txtTitle), Utf16(u8"白"));
    Click(SearchControl(cmdSearch));
    Search().Results().SetListIndex(0);
    const auto before = Results();
    Click(SearchControl(cmdCancel));
    EXPECT_FALSE(IsWindowVisible(Search().Handle()));
    Click(ReaderControl(Command2));
    EXPECT_TRUE(IsWindowVisible(Search().Handle()));
    EXPECT_EQ(ui::WindowText(SearchControl(txtTitle)), Utf16(u8"白"));
    EXPECT_EQ(Results(), before);
    EXPECT_EQ(Search().Results().ListIndex(), 0);
}
