// The vertical page as a screen reader and a mouse meet it: the input comes through the
// system's queue, as a user's does.
#include "AccessibleFacts.h"
#include "ReaderFixture.h"

#include "ReaderLayout.h"
#include "VerticalPage.h"

namespace {

// Handles the program's messages for `milliseconds`, as its message loop would meanwhile.
void RunFor(DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    do {
        ui::DispatchPendingMessages();
        Sleep(5);
    } while (GetTickCount64() < end);
}

INPUT Key(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// One notch of the wheel at `at` (screen coordinates), with Ctrl held or not.
void TurnWheel(POINT at, int delta, bool ctrl) {
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    move.mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    INPUT wheel{};
    wheel.type = INPUT_MOUSE;
    wheel.mi.mouseData = static_cast<DWORD>(delta);
    wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
    std::vector<INPUT> inputs{move};
    if (ctrl) {
        inputs.push_back(Key(VK_CONTROL, false));
    }
    inputs.push_back(wheel);
    if (ctrl) {
        inputs.push_back(Key(VK_CONTROL, true));
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    RunFor(300);
}

class VerticalView : public ReaderFixture {
protected:
    void SetUp() override {
        // Two poems, the first with enough verses to scroll through.
        StartWithUtf8(u8"<山行>\r\n(杜牧)\r\n" + Repeated(u8"远上寒山石径斜\r\n", 40) +
                      u8"//N//\r\n<二>\r\n(乙)\r\nB\r\n//N//\r\n");
        INPUT f8[] = {Key(VK_F8, false), Key(VK_F8, true)};
        SetFocus(ReaderControl(RichText1));
        SendInput(2, f8, sizeof(INPUT));
        RunFor(300);
        ASSERT_TRUE(IsWindowVisible(Page()));
    }
    HWND Page() const {
        return FindWindowExW(reader->Handle(), nullptr, VerticalPage::ClassName, nullptr);
    }
    VerticalPage& View() const { return *VerticalPage::FromWindow(Page()); }
    POINT Centre() const {
        RECT rect{};
        GetWindowRect(Page(), &rect);
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    int ScrollPosition() const {
        SCROLLINFO bar{};
        bar.cbSize = sizeof bar;
        bar.fMask = SIF_POS;
        GetScrollInfo(Page(), SB_HORZ, &bar);
        return bar.nPos;
    }
};

} // namespace

TEST_F(VerticalView, TheFocusedPageIsTheDocumentAScreenReaderReads) {
    ASSERT_EQ(GetFocus(), Page());
    const std::optional<AccessibleFacts> page = AskWindow(GetFocus());
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->Role, ROLE_SYSTEM_DOCUMENT);
    EXPECT_EQ(page->Name, u"山行 杜牧");
    EXPECT_EQ(page->Value, PageText());
    SetFocus(ReaderControl(cboTang));
    INPUT down[] = {Key(VK_DOWN, false), Key(VK_DOWN, true)};
    SendInput(2, down, sizeof(INPUT)); // the next poem, chosen in the list
    RunFor(300);
    ExpectShowing(1);
    EXPECT_EQ(AskWindow(Page())->Name, u"二 乙");
}

TEST_F(VerticalView, CtrlWheelSizesThePageAndThePlainWheelScrollsIt) {
    if (WindowFromPoint(Centre()) != Page()) {
        GTEST_SKIP() << "another window covers the page";
    }
    const LONG cell = View().CellRect(0)->bottom - View().CellRect(0)->top;
    TurnWheel(Centre(), WHEEL_DELTA, true);
    EXPECT_EQ(reader->Zoom().Percent(), 110);
    EXPECT_GT(View().CellRect(0)->bottom - View().CellRect(0)->top, cell);
    const int scrolled = ScrollPosition();
    TurnWheel(Centre(), -WHEEL_DELTA, false);
    EXPECT_NE(ScrollPosition(), scrolled) << "the plain wheel reads on";
    EXPECT_EQ(reader->Zoom().Percent(), 110);
}

// The box hidden behind the vertical page is not laid out again for each step of the zoom, which
// on a long page takes seconds; it takes the size when it is shown again.
TEST_F(VerticalView, TheHiddenBoxTakesTheZoomOnlyWhenShownAgain) {
    PressChord(VK_OEM_PLUS, true);
    PressChord(VK_OEM_PLUS, true);
    EXPECT_EQ(reader->Zoom().Percent(), 120);
    EXPECT_EQ(PageZoom(), 100) << "the hidden box keeps its layout";
    PressKey(VK_F8);
    ASSERT_TRUE(IsWindowVisible(ReaderControl(RichText1)));
    EXPECT_EQ(PageZoom(), 120);
}
