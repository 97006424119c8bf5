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

// Clicks the centre of `control` `times` times, `Gap` apart, handling messages in between.
// The pointer first comes to rest there, as a hand's does: on a busy machine a pointer still
// on its way could otherwise take the first click elsewhere.
void ClickRepeatedly(HWND control, int times) {
    RECT rect{};
    GetWindowRect(control, &rect);
    INPUT inputs[3]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
    }
    inputs[0].mi.dx =
        MulDiv((rect.left + rect.right) / 2, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    inputs[0].mi.dy =
        MulDiv((rect.top + rect.bottom) / 2, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, inputs, sizeof(INPUT));
    const ULONGLONG end = GetTickCount64() + 2000;
    POINT pointer{};
    do {
        RunFor(Gap);
    } while (GetCursorPos(&pointer) && WindowFromPoint(pointer) != control &&
             GetTickCount64() < end);
    for (int i = 0; i < times; ++i) {
        ASSERT_EQ(SendInput(3, inputs, sizeof(INPUT)), 3u);
        RunFor(Gap);
    }
}

class RealClicks : public ReaderFixture {
protected:
    // On a busy machine the system may hand over the last clicks late: wait for them (a click
    // that was lost never comes, and the check after this fails).
    void ExpectShowingOnceTheClicksArrived(int index) {
        const ULONGLONG end = GetTickCount64() + 3000;
        while (shared.CurrentIndex != index && GetTickCount64() < end) {
            RunFor(Gap);
        }
        ExpectShowing(index);
    }
};

} // namespace

TEST_F(RealClicks, EveryQuickClickStepsOnePoemAndADoubleClickOnSearchOrExitActsOnce) {
    const std::string anthology = GenerateAnthology({.Poems = 12});
    Start(&anthology);
    RunFor(100); // the window is up and in front before the pointer comes
    ClickRepeatedly(ReaderControl(cmdMoveNext), 3);
    ExpectShowingOnceTheClicksArrived(3);
    ClickRepeatedly(ReaderControl(cmdMovePrev), 2);
    ExpectShowingOnceTheClicksArrived(1);

    ClickRepeatedly(ReaderControl(Command2), 2);
    EXPECT_TRUE(IsWindowVisible(Search().Handle()));
    EXPECT_FALSE(programEnded);
    Search().Hide();
    HWND search = Search().Handle();
    RunFor(Gap);
    ClickRepeatedly(ReaderControl(Command3), 2);
    EXPECT_TRUE(programEnded);
    EXPECT_EQ(reader->Handle(), nullptr);
    EXPECT_FALSE(IsWindow(search)) << "the hidden search window goes with the reader";
}
