#include "Painted.h"
#include "ReaderFixture.h"

#include "HighContrast.h"
#include "PageText.h"
#include "ReaderLayout.h"
#include "SearchLayout.h"
#include "VerticalPage.h"

#include <richedit.h>

#include <algorithm>
#include <set>

namespace {

bool highContrast = false;
bool AskTheTest() {
    return highContrast;
}

std::set<COLORREF> Colours(HWND window) {
    return Painted(window).Colours();
}

struct RunFormat {
    bool AutoColour;
    COLORREF Colour;
    bool Bold;
    LONG Size;
    bool operator==(const RunFormat&) const = default;
};

RunFormat FormatAt(HWND page, int position) {
    SendMessageW(page, EM_SETSEL, position, position + 1);
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    SendMessageW(page, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    SendMessageW(page, EM_SETSEL, 0, 0);
    return {(format.dwEffects & CFE_AUTOCOLOR) != 0, format.crTextColor,
            (format.dwEffects & CFE_BOLD) != 0, format.yHeight};
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
    void SetUp() override {
        highContrast = false;
        ui::SetHighContrastQuery(AskTheTest);
    }
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

    // The colour of the rectangle around the About and Search buttons, as it is on the screen.
    COLORREF OutlineColour() const {
        SetWindowPos(reader->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        UpdateWindow(reader->Handle());
        HDC dc = GetDC(reader->Handle());
        const COLORREF colour = GetPixel(dc, 400, 40); // the left side of Shape1, at 96 DPI
        ReleaseDC(reader->Handle(), dc);
        return colour;
    }

    // The brushes of the combo boxes' edit fields: the poem list's and the author box's.
    std::pair<COLORREF, COLORREF> EditBrushes() const {
        return {
            AnswerColourMessage(reader->Handle(), WM_CTLCOLOREDIT, ReaderControl(cboTang)).Brush,
            AnswerColourMessage(Search().Handle(), WM_CTLCOLOREDIT, SearchControl(cboAuthor))
                .Brush};
    }

    // The four runs of the poem "一" by "甲": title, author, verse and notes.
    std::vector<RunFormat> Runs() const {
        std::vector<RunFormat> runs;
        for (const int position : {0, 3, 6, 9}) {
            runs.push_back(FormatAt(ReaderControl(RichText1), position));
        }
        return runs;
    }

    void ExpectSystemColours() {
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        const COLORREF text = GetSysColor(COLOR_BTNTEXT);
        for (HWND form : {reader->Handle(), Search().Handle()}) {
            EXPECT_TRUE(Colours(form).contains(face));
            EXPECT_FALSE(Colours(form).contains(Grey));
        }
        EXPECT_EQ(OutlineColour(), text);
        for (HWND label : {ReaderControl(Label1), ReaderControl(Label2), ReaderControl(lblInfo),
                           SearchControl(SearchLabel3), SearchControl(SearchLabel1)}) {
            const std::set<COLORREF> colours = Colours(label);
            EXPECT_TRUE(colours.contains(text));
            EXPECT_TRUE(colours.contains(face));
            EXPECT_FALSE(colours.contains(RGB(255, 128, 128)));
            EXPECT_FALSE(colours.contains(RGB(128, 255, 128)));
            EXPECT_FALSE(colours.contains(GetSysColor(COLOR_HIGHLIGHT)));
        }
        for (HWND button : {ReaderControl(cmdMoveNext), SearchControl(cmdSearch)}) {
            EXPECT_TRUE(Colours(button).contains(face));
            EXPECT_FALSE(Colours(button).contains(Grey));
        }
        EXPECT_GT(Colours(ReaderControl(Command1)).size(), 8u) << "the picture shows";
        EXPECT_EQ(EditBrushes(), std::pair(GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOW)));
        const std::vector<RunFormat> runs = Runs();
        for (size_t i = 0; i < runs.size(); ++i) {
            EXPECT_TRUE(runs[i].AutoColour) << i;
            for (size_t j = 0; j < i; ++j) {
                EXPECT_FALSE(runs[i] == runs[j]) << "runs " << j << " and " << i << " look alike";
            }
        }
    }

    void ExpectOwnColours() {
        for (HWND form : {reader->Handle(), Search().Handle()}) {
            EXPECT_TRUE(Colours(form).contains(Grey));
        }
        EXPECT_EQ(OutlineColour(), GetSysColor(COLOR_WINDOWTEXT));
        EXPECT_TRUE(Colours(ReaderControl(Label1)).contains(RGB(255, 128, 128)));
        EXPECT_TRUE(Colours(SearchControl(SearchLabel3)).contains(RGB(128, 255, 128)));
        EXPECT_TRUE(Colours(ReaderControl(Label2)).contains(GetSysColor(COLOR_HIGHLIGHT)));
        EXPECT_TRUE(Colours(ReaderControl(cmdMoveNext)).contains(Grey));
        EXPECT_TRUE(Colours(SearchControl(cmdSearch)).contains(Grey));
        EXPECT_EQ(EditBrushes(), std::pair(Grey, RGB(255, 255, 255)));
        const std::vector<RunFormat> runs = Runs();
        const COLORREF colours[] = {TitleColour, AuthorColour, ContentColour, NotesColour};
        for (size_t i = 0; i < runs.size(); ++i) {
            EXPECT_EQ(runs[i], (RunFormat{false, colours[i], false, 240})) << i;
        }
    }
};

} // namespace

// The mode on at start is followed at once; switching it repaints both windows each way.
TEST_F(HighContrast, TheModeOnAtStartAndEverySwitchRepaintBothWindows) {
    highContrast = true;
    StartWithUtf8(ThreePoems);
    OpenSearch();
    ExpectSystemColours();
    Switch(false);
    ExpectOwnColours();
    Switch(true);
    ExpectSystemColours();
    Click(ReaderControl(cmdMoveNext)); // a page shown afterwards keeps the scheme
    EXPECT_TRUE(Runs()[0].AutoColour);
    Click(ReaderControl(cmdMovePrev));
    Switch(false);
    ExpectOwnColours();
}

TEST_F(HighContrast, TheVerticalPageDrawsInTheSystemsTextColourEachWay) {
    StartWithUtf8(ThreePoems);
    SetFocus(ReaderControl(RichText1));
    PressKey(VK_F8);
    HWND vertical = FindWindowExW(reader->Handle(), nullptr, VerticalPage::ClassName, nullptr);
    ASSERT_TRUE(vertical != nullptr && IsWindowVisible(vertical));
    ASSERT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(0, 0, 0)) << "a scheme the test can read";
    ASSERT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_TRUE(AnyHue(Colours(vertical))) << "the runs' own colours";
    Switch(true);
    const std::set<COLORREF> contrast = Colours(vertical);
    EXPECT_FALSE(AnyHue(contrast));
    EXPECT_TRUE(contrast.contains(RGB(0, 0, 0)));
    Switch(false);
    EXPECT_TRUE(AnyHue(Colours(vertical)));
}
