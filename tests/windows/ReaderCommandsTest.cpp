#include "AccessibleFacts.h"
#include "MessageBoxCatcher.h"
#include "Painted.h"
#include "ReaderFixture.h"

#include "Controls.h"
#include "ReaderLayout.h"
#include "SearchLayout.h"
#include "VerticalPage.h"

#include <commctrl.h>
#include <map>
#include <optional>
#include <richedit.h>
#include <tuple>

namespace {

class ReaderCommands : public ReaderFixture {};

} // namespace

TEST_F(ReaderCommands, ChoosingInTheListShowsThatPoemAndTypingShowsNone) {
    StartWithUtf8(ThreePoems);
    HWND list = ReaderControl(cboTang);
    SetFocus(list);
    PressKey(VK_DOWN); // the keyboard's way of choosing the next entry
    PressKey(VK_DOWN);
    ExpectShowing(2);
    TypeText(list, u"(001)");
    EXPECT_EQ(shared.CurrentIndex, 2);
    EXPECT_EQ(PageText().substr(0, 1), u"三");
}

// The search window goes with the reader (hidden, by the exit button: see RealClicks).
TEST_F(ReaderCommands, TheCloseBoxEndsTheProgramWithBothWindows) {
    StartWithUtf8(ThreePoems);
    OpenSearch();
    HWND search = Search().Handle();
    SendMessageW(reader->Handle(), WM_CLOSE, 0, 0);
    ui::DispatchPendingMessages();
    EXPECT_TRUE(shared.IsClosing);
    EXPECT_FALSE(IsWindow(search));
    EXPECT_EQ(reader->Handle(), nullptr);
    EXPECT_TRUE(programEnded);
}

// Every button, key and menu item is harmless, and the page reads as empty, not as a poem.
TEST_F(ReaderCommands, AnEmptyAnthologyIsToldAndLeavesAnEmptyPage) {
    MessageBoxCatcher catcher;
    const std::string noPoems = "[H]\r\n";
    Start(&noPoems);
    ASSERT_EQ(catcher.Boxes().size(), 1u);
    EXPECT_NE(catcher.Boxes()[0].Text.find(u"没有找到"), std::u16string::npos);
    for (int id : {cmdMoveFirst, cmdMovePrev, cmdMoveNext, cmdMoveLast}) {
        Click(ReaderControl(id));
    }
    HWND page = ReaderControl(RichText1);
    SetFocus(page);
    for (const auto& [key, ctrl, alt] : {std::tuple{UINT{VK_NEXT}, true, false},
                                         {VK_PRIOR, true, false},
                                         {VK_HOME, false, true},
                                         {VK_END, false, true},
                                         {'R', true, false},
                                         {VK_OEM_PLUS, true, false},
                                         {'P', true, false}}) {
        PressChord(key, ctrl, false, alt);
    }
    EXPECT_EQ(catcher.Boxes().size(), 1u) << "no end-of-list message for an empty anthology";
    EXPECT_EQ(ui::ComboBox(ReaderControl(cboTang)).ListCount(), 0);
    EXPECT_EQ(Caption(), u"青简雅韵集");
    EXPECT_EQ(PageText(), u"");
    EXPECT_EQ(shared.CurrentIndex, 0);
    EXPECT_EQ(PageZoom(), 100) << "no zoom without a poem";

    const AccessibleFacts facts = AskWindow(page).value_or(AccessibleFacts{});
    EXPECT_EQ(facts.Role, ROLE_SYSTEM_DOCUMENT);
    EXPECT_EQ(facts.Name, u"");
    EXPECT_EQ(facts.Value, u"");
    EXPECT_EQ(AskWindow(ReaderControl(lblInfo)).value_or(facts).Name, u"青简雅韵集");
    EXPECT_EQ(AskWindow(ReaderControl(cboTang)).value_or(facts).Value,
              u"点击这里直接选择要查看的唐诗");

    // 全选, 查询…, 关于 and 竖排 (an empty page in columns) alone are offered.
    const MenuSeen menu = RightClickMenu(page);
    ASSERT_EQ(menu.Items.size(), 18u);
    for (size_t i = 0; i < menu.Items.size(); ++i) {
        const bool offered = i == 1 || menu.Items[i].starts_with(u"查询") ||
                             menu.Items[i].starts_with(u"关于") ||
                             menu.Items[i].starts_with(u"竖排");
        EXPECT_EQ(menu.Greyed[i], !offered) << i;
    }
    PressKey(VK_F8);
    HWND vertical = FindWindowExW(reader->Handle(), nullptr, VerticalPage::ClassName, nullptr);
    ASSERT_TRUE(vertical != nullptr && IsWindowVisible(vertical)) << "an empty page turns too";
    EXPECT_EQ(Painted(vertical, PRF_CLIENT).Colours(), std::set{GetSysColor(COLOR_WINDOW)});

    OpenSearch();
    Search().cmdSearch_Click();
    EXPECT_TRUE(Results().empty());
}

TEST_F(ReaderCommands, ResizingTheWindowMovesNothing) {
    StartWithUtf8(ThreePoems);
    const RECT before = RectInParent(ReaderControl(RichText1));
    SetWindowPos(reader->Handle(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    ui::DispatchPendingMessages();
    const RECT after = RectInParent(ReaderControl(RichText1));
    EXPECT_EQ(after.right, before.right);
    EXPECT_EQ(after.bottom, before.bottom);
}

TEST_F(ReaderCommands, TooltipsOnTheSevenButtonsOnly) {
    StartWithUtf8(ThreePoems);
    HWND tooltip = nullptr; // the reader's own, among the tooltip windows of the desktop
    do {
        tooltip = FindWindowExW(nullptr, tooltip, TOOLTIPS_CLASSW, nullptr);
    } while (tooltip != nullptr && GetWindow(tooltip, GW_OWNER) != reader->Handle());
    ASSERT_NE(tooltip, nullptr);
    std::map<int, std::u16string> tips; // by control
    const auto count = SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        wchar_t text[80]{};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.lpszText = text;
        SendMessageW(tooltip, TTM_ENUMTOOLSW, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&tool));
        const auto control = reinterpret_cast<HWND>(tool.uId);
        if (GetParent(control) == reader->Handle()) {
            tips[GetDlgCtrlID(control)] = reinterpret_cast<const char16_t*>(text);
        }
    }
    const std::map<int, std::u16string> expected = {
        {Command1, u"关于"},       {Command2, u"查询功能"},  {Command3, u"退出青简雅韵集"},
        {cmdMoveFirst, u"第一首"}, {cmdMovePrev, u"上一首"}, {cmdMoveNext, u"下一首"},
        {cmdMoveLast, u"第末首"},
    };
    EXPECT_EQ(tips, expected);
}

TEST_F(ReaderCommands, TabOrderFollowsTheTabIndexesFromTheAboutButton) {
    StartWithUtf8(ThreePoems);
    EXPECT_EQ(GetFocus(), ReaderControl(Command1)) << "the focus starts on About";
    ExpectTabOrder(*reader, {Command1, Command2, Command3, RichText1, cmdMoveNext, cmdMovePrev,
                             cmdMoveFirst, cmdMoveLast, cboTang, Command1});
}

TEST_F(ReaderCommands, MovingToAMonitorOfAnotherDpiRescalesLayoutAndFonts) {
    StartWithUtf8(ThreePoems);
    const int ids[] = {Command1, RichText1, cmdMoveLast, cboTang};
    std::map<int, RECT> at96;
    for (const int id : ids) {
        at96[id] = RectInParent(ReaderControl(id));
    }
    MoveToDpi(144);
    for (const int id : ids) {
        const RECT actual = RectInParent(ReaderControl(id));
        EXPECT_NEAR(actual.left, at96[id].left * 3 / 2, 1) << id;
        EXPECT_NEAR(actual.top, at96[id].top * 3 / 2, 1) << id;
        EXPECT_NEAR(actual.right - actual.left, (at96[id].right - at96[id].left) * 3 / 2, 1) << id;
    }
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(ReaderControl(lblInfo), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -21) << "10.5 points at 144 DPI";
    EXPECT_EQ(Caption(), u"青简雅韵集 第1首");
}

// The layout's font reaches the page box again on a change of DPI; the page stays at 12 points
// for every poem shown after it, in both views.
TEST_F(ReaderCommands, ThePageStaysAtTwelvePointsAfterAChangeOfDpi) {
    StartWithUtf8(ThreePoems);
    const auto pageTwips = [this] {
        SendMessageW(ReaderControl(RichText1), EM_SETSEL, 0, 1);
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        SendMessageW(ReaderControl(RichText1), EM_GETCHARFORMAT, SCF_SELECTION,
                     reinterpret_cast<LPARAM>(&format));
        return format.yHeight;
    };
    const auto cellHeight = [this] {
        HWND vertical = FindWindowExW(reader->Handle(), nullptr, VerticalPage::ClassName, nullptr);
        const std::optional<RECT> cell = VerticalPage::FromWindow(vertical)->CellRect(0);
        return cell ? cell->bottom - cell->top : 0;
    };
    const LONG cellAt96 = cellHeight();
    MoveToDpi(144);
    Click(ReaderControl(cmdMoveNext));
    ExpectShowing(1);
    EXPECT_EQ(pageTwips(), 240) << "12 points";
    EXPECT_EQ(cellHeight(), cellAt96 * 3 / 2) << "the vertical page at 12 points too";
}
