// The page's zoom as the reader sees it: characters wider as well as taller, the line at the top
// kept, a new poem shown from its top, and keys pressed faster than the page can follow them
// laid out once, at the size they end at.
#include "ReaderFixture.h"

#include "ReaderIds.h"
#include "TextZoom.h"

#include <richedit.h>

#include <set>

namespace {

const std::u8string LongPoem = u8"<静夜思>\r\n(李白)\r\n" + Repeated(u8"床前明月光\r\n", 40) +
                               u8"//N//\r\n<二>\r\n(乙)\r\nB\r\n//N//\r\n";

// Every text size the page box is given while it is watched: by the control's own zoom ratio
// (in percent of 240 twips) or by a character format.
std::set<LONG>* sizesGiven = nullptr;

LRESULT CALLBACK WatchSizes(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sizesGiven != nullptr) {
        if (message->message == EM_SETZOOM && message->lParam != 0) {
            sizesGiven->insert(static_cast<LONG>(240 * message->wParam / message->lParam));
        } else if (message->message == EM_SETCHARFORMAT) {
            const auto* format = reinterpret_cast<const CHARFORMAT2W*>(message->lParam);
            if ((format->dwMask & CFM_SIZE) != 0) {
                sizesGiven->insert(format->yHeight);
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class PageZooming : public ReaderFixture {
protected:
    void SetUp() override { StartWithUtf8(LongPoem); }
    HWND Page() const { return ReaderControl(RichText1); }
    // How far apart the page draws its first two characters, the title's.
    LONG TitleAdvance() const {
        UpdateWindow(Page());
        POINTL first{}, second{};
        SendMessageW(Page(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&first), 0);
        SendMessageW(Page(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&second), 1);
        return second.x - first.x;
    }
    LONG FirstVisibleLine() const {
        return static_cast<LONG>(SendMessageW(Page(), EM_GETFIRSTVISIBLELINE, 0, 0));
    }
};

} // namespace

TEST_F(PageZooming, CharactersWidenWithTheZoomAndTheLineAtTheTopStays) {
    SetFocus(Page());
    const LONG normal = TitleAdvance();
    ASSERT_GT(normal, 0);
    for (int press = 0; press < 10; ++press) {
        PressChord(VK_OEM_PLUS, true);
    }
    ASSERT_EQ(PageZoom(), 200);
    EXPECT_NEAR(TitleAdvance(), 2 * normal, 2) << "drawn at twice the size, spaced at twice";

    SendMessageW(Page(), EM_LINESCROLL, 0, 10);
    const LONG top = FirstVisibleLine();
    ASSERT_GT(top, 0);
    const auto topCharacter = SendMessageW(Page(), EM_LINEINDEX, static_cast<WPARAM>(top), 0);
    PressChord('0', true);
    UpdateWindow(Page());
    EXPECT_EQ(SendMessageW(Page(), EM_EXLINEFROMCHAR, 0, topCharacter), FirstVisibleLine())
        << "the line that was at the top is at the top";
    EXPECT_EQ(PageZoom(), 100);
    EXPECT_EQ(TitleAdvance(), normal);

    PressChord(VK_NEXT, true);
    PressChord(VK_PRIOR, true);
    EXPECT_EQ(FirstVisibleLine(), 0) << "a poem is shown from its top";
}

TEST_F(PageZooming, StepsQueuedFasterThanThePageFollowsLayItOutOnceAtTheLastSize) {
    SetFocus(Page());
    BYTE keys[256]{};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
    SetKeyboardState(keys);
    for (int press = 0; press < 5; ++press) { // auto-repeat while the page is busy
        PostMessageW(Page(), WM_KEYDOWN, VK_OEM_PLUS, 1);
    }
    PostMessageW(Page(), WM_KEYUP, VK_OEM_PLUS, static_cast<LPARAM>(0xC0000001u));
    std::set<LONG> sizes;
    sizesGiven = &sizes;
    const UniqueHook hook = HookThisThread(WH_CALLWNDPROC, WatchSizes);
    ui::DispatchPendingMessages();
    UpdateWindow(Page());
    sizesGiven = nullptr;
    keys[VK_CONTROL] = keys[VK_LCONTROL] = 0;
    SetKeyboardState(keys);

    EXPECT_EQ(reader->Zoom().Percent(), 150);
    EXPECT_EQ(sizes, std::set<LONG>{ZoomedTwips(240, 150)}) << "no size on the way was laid out";
    EXPECT_EQ(PageZoom(), 150);
}
