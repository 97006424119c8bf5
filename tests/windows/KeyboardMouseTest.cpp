#include "MessageBoxCatcher.h"
#include "ReaderFixture.h"

#include "Controls.h"
#include "ReaderLayout.h"
#include "SearchLayout.h"

namespace {

const std::u8string ThreePoems = u8"<一>\r\n(甲)\r\nA\r\n//N//\r\n<二>\r\n(乙)\r\nB\r\n//N//\r\n"
                                 u8"<三>\r\n(丙)\r\nC\r\n//N//\r\n";

class KeyboardAndMouse : public ReaderFixture {
protected:
    void PressEnterOn(HWND control) {
        SetFocus(control);
        PressKey(VK_RETURN);
    }
    Form2& Search() { return reader->SearchWindow(); }
    HWND SearchControl(int id) { return Search().Control(id); }
};

// Presses and releases the left button at a point of `form`'s client area. The system decides
// which window gets the press, as it does for the user's mouse: a control that lets presses
// through leaves it to the window below.
int DragsFromPressAt(HWND form, POINT at) {
    ClientToScreen(form, &at);
    HWND target = WindowFromPoint(at);
    ScreenToClient(target, &at);
    DragWatcher watcher(form);
    EndDragSoon(form); // a drag, if one starts, ends at once instead of waiting for the mouse
    SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    PumpMessages();
    return watcher.DragsStarted();
}

POINT CentreOf(HWND control) {
    const RECT rect = RectInParent(control);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

} // namespace

TEST_F(KeyboardAndMouse, EnterOnAFocusedReaderButtonPressesIt) {
    StartWithUtf8(ThreePoems);
    MessageBoxCatcher catcher;
    PressEnterOn(ReaderControl(cmdMoveLast));
    EXPECT_EQ(shared.CurrentIndex, 2);
    PressEnterOn(ReaderControl(cmdMoveFirst));
    EXPECT_EQ(shared.CurrentIndex, 0);
    PressEnterOn(ReaderControl(Command1));
    ASSERT_EQ(catcher.Boxes().size(), 1u) << "the About box";

    // Enter in the poem list and Escape anywhere do nothing.
    PressEnterOn(ReaderControl(cboTang));
    PressKey(VK_ESCAPE);
    EXPECT_EQ(shared.CurrentIndex, 0);
    EXPECT_EQ(catcher.Boxes().size(), 1u);
    EXPECT_FALSE(IsWindowVisible(Search().Handle()));
    EXPECT_TRUE(IsWindowVisible(reader->Handle()));

    PressEnterOn(ReaderControl(Command2));
    EXPECT_TRUE(IsWindowVisible(Search().Handle()));
    PressEnterOn(ReaderControl(Command3));
    EXPECT_TRUE(programEnded);
}

TEST_F(KeyboardAndMouse, EnterOnAFocusedSearchButtonPressesItAndMakesNoDefault) {
    StartWithUtf8(ThreePoems);
    reader->Command2_Click();
    PumpMessages();
    PressEnterOn(SearchControl(cmdSearch));
    EXPECT_EQ(Search().Results().ListCount(), 3);

    // The button pressed last has not become the default: Enter elsewhere still does nothing.
    Search().Results().Clear();
    PressEnterOn(SearchControl(txtTitle));
    PressEnterOn(SearchControl(cboAuthor));
    PressEnterOn(SearchControl(lstTang));
    PressKey(VK_ESCAPE);
    EXPECT_EQ(Search().Results().ListCount(), 0);
    EXPECT_TRUE(IsWindowVisible(Search().Handle())) << "Escape does not close";

    PressEnterOn(SearchControl(cmdCancel));
    EXPECT_FALSE(IsWindowVisible(Search().Handle()));
}

TEST_F(KeyboardAndMouse, ReaderDragsFromTheBackgroundAndInsideTheOutlinesOnly) {
    StartWithUtf8(ThreePoems);
    HWND form = reader->Handle();
    {
        DragWatcher watcher(form);
        EndDragSoon(form);
        const LPARAM background = MAKELPARAM(470, 430);
        SendMessageW(form, WM_RBUTTONDOWN, MK_RBUTTON, background);
        SendMessageW(form, WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, background);
        SendMessageW(form, WM_MBUTTONDOWN, MK_MBUTTON, background);
        EXPECT_EQ(watcher.DragsStarted(), 0) << "only the left button alone drags";
        PumpMessages();
    }
    for (const int label : {Label1, Label2, lblInfo}) {
        EXPECT_EQ(DragsFromPressAt(form, CentreOf(ReaderControl(label))), 0) << label;
    }
    EXPECT_GT(DragsFromPressAt(form, {470, 430}), 0) << "the background below Exit";
    EXPECT_GT(DragsFromPressAt(form, {403, 35}), 0) << "inside Shape1, beside About";
    EXPECT_GT(DragsFromPressAt(form, {402, 300}), 0) << "inside Shape2, beside the proverb";
}

TEST_F(KeyboardAndMouse, SearchWindowDragsFromTheBackgroundOnly) {
    StartWithUtf8(ThreePoems);
    reader->Command2_Click();
    PumpMessages();
    HWND form = Search().Handle();
    HWND focus = GetFocus();
    EXPECT_EQ(DragsFromPressAt(form, {12, 250}), 0) << "the group box, beside 标题：";
    EXPECT_EQ(GetFocus(), focus) << "a press on the group box leaves the focus alone";
    for (const int label : {SearchLabel1, SearchLabel2, SearchLabel4, SearchLabel5}) {
        EXPECT_EQ(DragsFromPressAt(form, CentreOf(SearchControl(label))), 0) << label;
    }
    EXPECT_EQ(DragsFromPressAt(form, CentreOf(SearchControl(SearchLabel3))), 0) << "couplet";
    EXPECT_GT(DragsFromPressAt(form, {10, 360}), 0) << "the background left of the couplet";
}
