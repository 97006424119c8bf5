#include "Painted.h"
#include "ReaderFixture.h"

#include "HighContrast.h"
#include "PageText.h"
#include "ReaderLayout.h"
#include "SearchLayout.h"
#include "VerticalPage.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace {

bool highContrast = false;
bool AskTheTest() {
    return highContrast;
}

constexpr COLORREF Grey = RGB(173, 173, 173);

// Whether any of `colours` has a hue: the system's black on white has none, even where its
// edges are smoothed, and each of the page's own colours has one.
bool AnyHue(const std::set<COLORREF>& colours) {
    return std::ranges::any_of(colours, [](COLORREF colour) {
        const int red = GetRValue(colour), green = GetGValue(colour), blue = GetBValue(colour);
        return std::max({red, green, blue}) - std::min({red, green, blue}) > 24;
    });
}

class HighContrast : public ReaderFixture {
protected:
    void SetUp() override { ui::SetHighContrastQuery(AskTheTest); }
    void TearDown() override {
        ReaderFixture::TearDown();
        ui::SetHighContrastQuery(nullptr);
    }

    // Switches the mode as Windows does: the setting, then the message to every window.
    void Switch(bool on) {
        highContrast = on;
        for (HWND form : {reader->Handle(), Search().Handle()}) {
            SendMessageW(form, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
            SendMessageW(form, WM_SYSCOLORCHANGE, 0, 0);
        }
        ui::DispatchPendingMessages();
    }

    // In high contrast everything takes the system's colours, the picture on About still shows,
    // and the page's runs differ in weight and size instead; otherwise the layout's own colours.
    void ExpectColours(bool contrast) {
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        const std::pair<HWND, COLORREF> owned[] = {
            {reader->Handle(), Grey},
            {Search().Handle(), Grey},
            {ReaderControl(Label1), RGB(255, 128, 128)},
            {SearchControl(SearchLabel3), RGB(128, 255, 128)},
            {ReaderControl(cmdMoveNext), Grey}};
        for (const auto& [window, own] : owned) {
            const std::set<COLORREF> colours = Painted(window).Colours();
            EXPECT_EQ(colours.contains(own), !contrast) << GetDlgCtrlID(window);
            EXPECT_TRUE(!contrast || colours.contains(face)) << GetDlgCtrlID(window);
        }
        EXPECT_GT(Painted(ReaderControl(Command1)).Colours().size(), 8u) << "the picture shows";
        const COLORREF window = GetSysColor(COLOR_WINDOW);
        EXPECT_EQ(
            AnswerColourMessage(reader->Handle(), WM_CTLCOLOREDIT, ReaderControl(cboTang)).Brush,
            contrast ? window : Grey);
        EXPECT_EQ(
            AnswerColourMessage(Search().Handle(), WM_CTLCOLOREDIT, SearchControl(cboAuthor)).Brush,
            contrast ? window : RGB(255, 255, 255));
        // The four runs of the poem "一" by "甲": title, author, verse and notes.
        const COLORREF colours[] = {TitleColour, AuthorColour, ContentColour, NotesColour};
        std::vector<std::tuple<bool, COLORREF, bool, LONG>> runs;
        for (const int position : {0, 3, 6, 9}) {
            const PageFormat format = PageFormatAt(position);
            runs.emplace_back(format.AutoColour, format.Colour, format.Bold, format.Size);
            const auto& run = runs.back();
            if (!contrast) {
                EXPECT_EQ(run, std::tuple(false, colours[runs.size() - 1], false, 240)) << position;
                continue;
            }
            EXPECT_TRUE(format.AutoColour) << position;
            EXPECT_EQ(std::count(runs.begin(), runs.end(), run), 1) << "alike at " << position;
        }
    }
};

} // namespace

// The mode on at start is followed at once; switching it repaints both windows each way, the
// pages shown afterwards, and the vertical page too.
TEST_F(HighContrast, TheModeOnAtStartAndEverySwitchRepaintBothWindows) {
    highContrast = true;
    StartWithUtf8(ThreePoems);
    OpenSearch();
    ExpectColours(true);
    Switch(false);
    ExpectColours(false);
    Switch(true);
    Click(ReaderControl(cmdMoveNext));
    Click(ReaderControl(cmdMovePrev));
    ExpectColours(true);

    SetFocus(ReaderControl(RichText1));
    PressKey(VK_F8);
    HWND vertical = FindWindowExW(reader->Handle(), nullptr, VerticalPage::ClassName, nullptr);
    ASSERT_TRUE(vertical != nullptr && IsWindowVisible(vertical));
    ASSERT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(0, 0, 0)) << "a scheme the test can read";
    ASSERT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    const std::set<COLORREF> contrast = Painted(vertical).Colours();
    EXPECT_FALSE(AnyHue(contrast));
    EXPECT_TRUE(contrast.contains(RGB(0, 0, 0)));
    Switch(false);
    EXPECT_TRUE(AnyHue(Painted(vertical).Colours())) << "the runs' own colours";
    Switch(true);
    EXPECT_FALSE(AnyHue(Painted(vertical).Colours()));

    // A search's hits take the system's highlight colours, as a selection does.
    OpenSearch();
    SetWindowTextW(SearchControl(txtTitle), L"一");
    Click(SearchControl(cmdSearch));
    const auto expectHighlighted = [](HWND view) {
        const Painted painted(view);
        const std::set<COLORREF> colours = painted.Colours();
        EXPECT_TRUE(colours.contains(GetSysColor(COLOR_HIGHLIGHT)));
        EXPECT_FALSE(colours.contains(MarkColour));
        const RECT mark = painted.Bounds(
            painted.Client(), [](COLORREF c) { return c == GetSysColor(COLOR_HIGHLIGHT); });
        EXPECT_TRUE(painted.Bounds(mark, [](COLORREF c) { return c == RGB(0, 0, 0); }).right <=
                    mark.left)
            << "the ink on the highlight is the highlight's text colour";
    };
    expectHighlighted(vertical);
    PressKey(VK_F8);
    expectHighlighted(ReaderControl(RichText1));
    Switch(false);
    EXPECT_TRUE(Painted(ReaderControl(RichText1)).Colours().contains(MarkColour));
}
