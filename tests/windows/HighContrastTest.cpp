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
#include <tuple>

namespace {

bool highContrast = false;
bool AskTheTest() {
    return highContrast;
}

std::set<COLORREF> Colours(HWND window) {
    return Painted(window).Colours();
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

    // The looks of the four runs of the poem "一" by "甲": title, author, verse and notes.
    std::vector<std::tuple<bool, COLORREF, bool, LONG>> Runs() const {
        std::vector<std::tuple<bool, COLORREF, bool, LONG>> runs;
        for (const int position : {0, 3, 6, 9}) {
            const PageFormat format = PageFormatAt(position);
            runs.emplace_back(format.AutoColour, format.Colour, format.Bold, format.Size);
        }
        return runs;
    }

    // In high contrast everything takes the system's colours, the picture on About still shows,
    // and the page's runs differ in weight and size instead; otherwise the layout's own colours.
    void ExpectColours(bool contrast) {
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        const COLORREF text = GetSysColor(COLOR_BTNTEXT);
        const std::pair<HWND, COLORREF> owned[] = {
            {reader->Handle(), Grey},
            {Search().Handle(), Grey},
            {ReaderControl(Label1), RGB(255, 128, 128)},
            {ReaderControl(Label2), GetSysColor(COLOR_HIGHLIGHT)},
            {SearchControl(SearchLabel3), RGB(128, 255, 128)},
            {ReaderControl(cmdMoveNext), Grey},
            {SearchControl(cmdSearch), Grey}};
        for (const auto& [window, own] : owned) {
            const std::set<COLORREF> colours = Colours(window);
            EXPECT_EQ(colours.contains(own), !contrast) << GetDlgCtrlID(window);
            EXPECT_TRUE(!contrast || colours.contains(face)) << GetDlgCtrlID(window);
        }
        for (HWND label : {ReaderControl(lblInfo), SearchControl(SearchLabel1)}) {
            EXPECT_TRUE(!contrast || Colours(label).contains(text)) << GetDlgCtrlID(label);
        }
        EXPECT_EQ(OutlineColour(), contrast ? text : GetSysColor(COLOR_WINDOWTEXT));
        EXPECT_GT(Colours(ReaderControl(Command1)).size(), 8u) << "the picture shows";
        const COLORREF window = GetSysColor(COLOR_WINDOW);
        EXPECT_EQ(EditBrushes(),
                  contrast ? std::pair(window, window) : std::pair(Grey, RGB(255, 255, 255)));
        // The drop-down lists take their layout's background, as their edit fields do.
        const std::pair<const ui::Form*, int> combos[] = {{reader.get(), cboTang},
                                                          {&Search(), cboAuthor}};
        for (const auto& [form, id] : combos) {
            COMBOBOXINFO info{};
            info.cbSize = sizeof info;
            ASSERT_TRUE(GetComboBoxInfo(form->Control(id), &info));
            const ColourAnswer answer =
                AnswerColourMessage(form->Handle(), WM_CTLCOLORLISTBOX, info.hwndList);
            const COLORREF expected = contrast ? window : id == cboTang ? Grey : RGB(255, 255, 255);
            EXPECT_EQ(answer.Brush, expected) << id;
            EXPECT_EQ(answer.Background, expected) << id;
        }
        const auto runs = Runs();
        const COLORREF colours[] = {TitleColour, AuthorColour, ContentColour, NotesColour};
        for (size_t i = 0; i < runs.size(); ++i) {
            if (!contrast) {
                EXPECT_EQ(runs[i], std::tuple(false, colours[i], false, 240)) << i;
                continue;
            }
            EXPECT_TRUE(std::get<0>(runs[i])) << i;
            for (size_t j = 0; j < i; ++j) {
                EXPECT_FALSE(runs[i] == runs[j]) << "runs " << j << " and " << i << " look alike";
            }
        }
    }
};

} // namespace

// The mode on at start is followed at once; switching it repaints both windows each way, and
// the vertical page too.
TEST_F(HighContrast, TheModeOnAtStartAndEverySwitchRepaintBothWindows) {
    highContrast = true;
    StartWithUtf8(ThreePoems);
    OpenSearch();
    ExpectColours(true);
    Switch(false);
    ExpectColours(false);
    Switch(true);
    ExpectColours(true);
    Click(ReaderControl(cmdMoveNext)); // a page shown afterwards keeps the scheme
    EXPECT_TRUE(std::get<0>(Runs()[0]));
    Click(ReaderControl(cmdMovePrev));
    Switch(false);
    ExpectColours(false);

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
