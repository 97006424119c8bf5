// Clicks given with the real mouse, through the system's input queue: a quick second click on
// an owner-drawn button arrives as a double click, and must count as a click all the same, as
// it does on a standard push button.
#include "ReaderFixture.h"

#include "AnthologyGenerator.h"
#include "ReaderLayout.h"

namespace {

constexpr DWORD Gap = 150; // milliseconds between clicks: well inside the double-click time

// Handles the program's messages for `milliseconds`, as its message loop would meanwhile.
void RunFor(DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    do {
        ui::DispatchPendingMessages();
        Sleep(5);
    } while (GetTickCount64() < end);
}

// Moves the pointer to `at` (screen coordinates) and clicks the left button there.
void ClickWithMouse(POINT at) {
    INPUT inputs[3]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
    }
    inputs[0].mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    inputs[0].mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ASSERT_EQ(SendInput(3, inputs, sizeof(INPUT)), 3u);
}

// Clicks the centre of `control` `times` times, `Gap` apart, handling messages in between.
void ClickRepeatedly(HWND control, int times) {
    RECT rect{};
    GetWindowRect(control, &rect);
    const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    for (int i = 0; i < times; ++i) {
        ClickWithMouse(centre);
        RunFor(Gap);
    }
}

class RealClicks : public ReaderFixture {
protected:
    void SetUp() override {
        const std::string anthology = GenerateAnthology({.Poems = 12});
        Start(&anthology);
        RunFor(100); // the window is up and in front before the pointer comes
    }
};

} // namespace

TEST_F(RealClicks, EveryQuickClickOnAMoveButtonStepsOnePoem) {
    ClickRepeatedly(ReaderControl(cmdMoveNext), 10);
    ExpectShowing(10);
    ClickRepeatedly(ReaderControl(cmdMovePrev), 4);
    ExpectShowing(6);
}

TEST_F(RealClicks, DoubleClicksOnSearchAndExitDoWhatOneClickDoes) {
    ClickRepeatedly(ReaderControl(Command2), 2);
    EXPECT_TRUE(IsWindowVisible(Search().Handle()));
    EXPECT_FALSE(programEnded);
    Search().Hide();
    RunFor(Gap);
    ClickRepeatedly(ReaderControl(Command3), 2);
    EXPECT_TRUE(programEnded);
    EXPECT_EQ(reader->Handle(), nullptr);
}
