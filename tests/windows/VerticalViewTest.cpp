// The vertical page as a screen reader and the keyboard meet it: the keys come through the
// system's queue, as a user's do.
#include "AccessibleFacts.h"
#include "ReaderFixture.h"

#include "ReaderLayout.h"
#include "VerticalPage.h"

namespace {

// Presses `key` through the system's queue and handles the program's messages meanwhile.
void TypeThroughTheQueue(WORD key) {
    INPUT inputs[2]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
    const ULONGLONG end = GetTickCount64() + 300;
    do {
        ui::DispatchPendingMessages();
        Sleep(5);
    } while (GetTickCount64() < end);
}

class VerticalView : public ReaderFixture {
protected:
    HWND Page() const {
        return FindWindowExW(reader->Handle(), nullptr, VerticalPage::ClassName, nullptr);
    }
    LONG CellHeight() const {
        const RECT cell = VerticalPage::FromWindow(Page())->CellRect(0).value_or(RECT{});
        return cell.bottom - cell.top;
    }
    void Wheel(int delta, bool ctrl) {
        SendMessageW(Page(), WM_MOUSEWHEEL, MAKEWPARAM(ctrl ? MK_CONTROL : 0, delta), 0);
        ui::DispatchPendingMessages();
    }
};

} // namespace

// The focused page is the document a screen reader reads, renamed with each poem; Ctrl with
// the wheel sizes it, the plain wheel scrolls it, and the hidden box takes the size only when
// shown again (laying out a long page for each step takes seconds).
TEST_F(VerticalView, TheFocusedPageIsReadSizedAndScrolled) {
    StartWithUtf8(u8"<山行>\r\n(杜牧)\r\n" + Repeated(u8"远上寒山石径斜\r\n", 40) +
                  u8"//N//\r\n<二>\r\n(乙)\r\nB\r\n//N//\r\n");
    SetFocus(ReaderControl(RichText1));
    TypeThroughTheQueue(VK_F8);
    ASSERT_TRUE(IsWindowVisible(Page()));
    ASSERT_EQ(GetFocus(), Page());
    const std::optional<AccessibleFacts> page = AskWindow(GetFocus());
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->Role, ROLE_SYSTEM_DOCUMENT);
    EXPECT_EQ(page->Name, u"山行 杜牧");
    EXPECT_EQ(page->Value, PageText());

    const LONG cell = CellHeight();
    Wheel(WHEEL_DELTA, true);
    EXPECT_EQ(reader->Zoom().Percent(), 110);
    EXPECT_GT(CellHeight(), cell);
    const int scrolled = GetScrollPos(Page(), SB_HORZ);
    Wheel(-WHEEL_DELTA, false);
    EXPECT_NE(GetScrollPos(Page(), SB_HORZ), scrolled) << "the plain wheel reads on";
    PressChord(VK_OEM_PLUS, true);
    EXPECT_EQ(reader->Zoom().Percent(), 120);
    EXPECT_EQ(PageZoom(), 100) << "the hidden box keeps its layout";

    SetFocus(ReaderControl(cboTang));
    TypeThroughTheQueue(VK_DOWN); // the next poem, chosen in the list
    ExpectShowing(1);
    EXPECT_EQ(AskWindow(Page())->Name, u"二 乙");
    SetFocus(Page());
    PressKey(VK_F8);
    ASSERT_TRUE(IsWindowVisible(ReaderControl(RichText1)));
    EXPECT_EQ(PageZoom(), 120);
}
