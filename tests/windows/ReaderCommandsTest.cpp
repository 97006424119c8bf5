#include "AnthologyGenerator.h"
#include "MessageBoxCatcher.h"
#include "ReaderFixture.h"

#include "Controls.h"
#include "ReaderLayout.h"
#include "SearchLayout.h"
#include "VerticalPage.h"

#include <commctrl.h>
#include <map>
#include <richedit.h>

namespace {

const std::u8string Poems = u8"[五言绝句]\r\n<静夜思>\r\n(李白)\r\n床前明月光，\r\n疑是地上霜。\r\n"
                            u8"//作者：李白\r\n字太白。//\r\n"
                            u8"<春晓>\r\n(孟浩然)\r\n春眠不觉晓，\r\n//N2//\r\n"
                            u8"<>\r\n()\r\n//\r\n";

class ReaderCommands : public ReaderFixture {};

// The tooltips of the reader's controls, by control.
std::map<int, std::u16string> Tooltips(HWND reader) {
    HWND tooltip = nullptr; // the reader's own, among the tooltip windows of the desktop
    do {
        tooltip = FindWindowExW(nullptr, tooltip, TOOLTIPS_CLASSW, nullptr);
    } while (tooltip != nullptr && GetWindow(tooltip, GW_OWNER) != reader);
    std::map<int, std::u16string> tips;
    for (int i = 0; i < SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0); ++i) {
        wchar_t text[80]{};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.lpszText = text;
        SendMessageW(tooltip, TTM_ENUMTOOLSW, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&tool));
        const auto control = reinterpret_cast<HWND>(tool.uId);
        if (GetParent(control) == reader) {
            tips[GetDlgCtrlID(control)] = reinterpret_cast<const char16_t*>(text);
        }
    }
    return tips;
}

} // namespace

// The list, the tooltips, the tab order and the layout at another DPI; the close box ends the
// program with both windows.
TEST_F(ReaderCommands, ListTooltipsTabOrderDpiAndTheCloseBox) {
    StartWithUtf8(ThreePoems);
    EXPECT_EQ(GetFocus(), ReaderControl(Command1)) << "the focus starts on About";
    SetFocus(ReaderControl(cboTang));
    PressKey(VK_DOWN); // the keyboard's way of choosing the next entry
    PressKey(VK_DOWN);
    ExpectShowing(2);

    const std::map<int, std::u16string> tips = {
        {Command1, u"关于"},       {Command2, u"查询功能"},  {Command3, u"退出青简雅韵集"},
        {cmdMoveFirst, u"第一首"}, {cmdMovePrev, u"上一首"}, {cmdMoveNext, u"下一首"},
        {cmdMoveLast, u"第末首"}};
    EXPECT_EQ(Tooltips(reader->Handle()), tips);

    ExpectTabOrder(*reader, {Command1, Command2, Command3, RichText1, cmdMoveNext, cmdMovePrev,
                             cmdMoveFirst, cmdMoveLast, cboTang, Command1});

    // At 144 DPI the layout and its fonts grow by half; the page stays at 12 points for the
    // poems shown after it, in both views.
    HWND vertical = FindWindowExW(reader->Handle(), nullptr, VerticalPage::ClassName, nullptr);
    const auto cellHeight = [vertical] {
        const RECT cell = VerticalPage::FromWindow(vertical)->CellRect(0).value_or(RECT{});
        return cell.bottom - cell.top;
    };
    const LONG cellAt96 = cellHeight();
    const RECT lastAt96 = RectInParent(ReaderControl(cmdMoveLast));
    MoveToDpi(144);
    EXPECT_EQ(PageFormatAt(0).Size, 240) << "the poem shown keeps its 12 points";
    const RECT last = RectInParent(ReaderControl(cmdMoveLast));
    EXPECT_NEAR(last.left, lastAt96.left * 3 / 2, 1);
    EXPECT_NEAR(last.bottom, lastAt96.bottom * 3 / 2, 1);
    Click(ReaderControl(cmdMovePrev));
    ExpectShowing(1);
    EXPECT_EQ(PageFormatAt(0).Size, 240) << "12 points";
    EXPECT_EQ(cellHeight(), cellAt96 * 3 / 2) << "the vertical page at 12 points too";

    OpenSearch();
    HWND search = Search().Handle();
    SendMessageW(reader->Handle(), WM_CLOSE, 0, 0);
    ui::DispatchPendingMessages();
    EXPECT_TRUE(shared.IsClosing);
    EXPECT_FALSE(IsWindow(search));
    EXPECT_EQ(reader->Handle(), nullptr);
    EXPECT_TRUE(programEnded);
}

// The steps, by button and key, are harmless and tell nothing more; the page stays empty.
TEST_F(ReaderCommands, AnEmptyAnthologyIsToldAndLeavesAnEmptyPage) {
    MessageBoxCatcher catcher;
    const std::string noPoems = "[H]\r\n";
    Start(&noPoems);
    ASSERT_EQ(catcher.Boxes().size(), 1u);
    EXPECT_NE(catcher.Boxes()[0].Text.find(u"没有找到"), std::u16string::npos);
    for (int id : {cmdMoveFirst, cmdMoveNext}) {
        Click(ReaderControl(id));
    }
    HWND page = ReaderControl(RichText1);
    SetFocus(page);
    for (const auto& [key, ctrl, alt] : {std::tuple{UINT{VK_NEXT}, true, false},
                                         {VK_END, false, true},
                                         {'R', true, false},
                                         {VK_OEM_PLUS, true, false},
                                         {'P', true, false}}) {
        PressChord(key, ctrl, false, alt);
    }
    EXPECT_EQ(catcher.Boxes().size(), 1u) << "no end-of-list message for an empty anthology";
    EXPECT_EQ(Caption(), u"青简雅韵集");
    EXPECT_EQ(PageText(), u"");
    EXPECT_EQ(PageZoom(), 100) << "no zoom without a poem";
}

TEST_F(ReaderCommands, StartUpListsEveryPoemAndShowsEachAsItsRunsInTheirColoursAndAlignment) {
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

// A box that runs out of memory takes nothing more; the user is told, and the program goes on.
LRESULT CALLBACK TakeNoText(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR) {
    return message == EM_REPLACESEL ? 0 : DefSubclassProc(box, message, wParam, lParam);
}

TEST_F(ReaderCommands, APageTheBoxCannotTakeIsReportedAndTheReaderGoesOn) {
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
