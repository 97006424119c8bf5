#pragma once

#include "PageView.h"
#include "PinyinLayout.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <windows.h>

// The page with each Chinese character's reading above it, the rows scrolling downwards.
class PinyinPage final : public PageView {
public:
    static constexpr const wchar_t* ClassName = L"TangPinyinPage";

    PinyinPage(const PageBox& box, const ui::Form& form);

    // Scrolls the row holding `position` to the top when it is out of view.
    void BringIntoView(uint32_t position) override;

    // The selection, or the whole page, as the view shows it: each line of Chinese followed
    // by its readings.
    std::u16string SelectedText() const;
    std::u16string WholeText() const;
    void Copy() const override;

    // The size of the whole page, every row of it, but never lower than the window.
    SIZE WholeSize() override;
    // Paints the page from its top into `dc`, as wide as the window and `height` pixels high;
    // without the selection, as in a picture.
    void PaintWhole(HDC dc, int height) override;

    // Where the character starting at `position` is drawn, its reading's band included.
    std::optional<RECT> CellRect(uint32_t position) override;
    static PinyinPage* FromWindow(HWND window);

private:
    // What the fonts are made for: when none of it changes, as from one poem to the next, the
    // fonts and every width measured in them stay.
    struct FontsFor {
        std::wstring Face;
        BYTE Charset = 0;
        int Dpi = 0;
        int Zoom = 0;
        std::array<std::pair<int, bool>, 4> Runs{}; // each run's size in twips, and bold
        bool operator==(const FontsFor&) const = default;
    };
    struct Fonts {
        FontsFor MadeFor;
        std::array<ui::UniqueFont, 4> Characters;
        ui::UniqueFont Readings;
        std::array<int, 4> Ascent{};
        std::array<int, 4> LineHeight{};
        int ReadingAscent = 0;
        int ReadingHeight = 0;
        int ReadingGap = 0;
        int VersePixels = 0;
    };
    // The key of a character of `run` among the widths measured.
    static uint64_t CharacterKey(size_t run, std::u16string_view character) {
        return (uint64_t{run} << 32) | (uint64_t{character[0]} << 16) |
               (character.size() > 1 ? character[1] : 0);
    }

    void Forget() override;
    void LayOut() override { Layout(); }
    void PaintView(HDC dc) override { Paint(dc, Client(), scrolled_, true); }
    uint32_t PositionAtPoint(POINT point) override;
    int ContentLength() const override;
    int LineStep() const override { return lineStep_; }
    int KeyPageStep() const override;

    const PinyinLayout& Layout();
    // The fonts for the runs' looks at the zoom and the DPI, made anew only when those changed.
    void MakeFonts(HDC dc);
    PinyinLayout Measured(HDC dc, int width);
    void Paint(HDC dc, RECT client, int scrolled, bool withSelection);

    int margin_ = 4;
    std::optional<PinyinLayout> layout_;
    Fonts fonts_;
    std::unordered_map<uint64_t, int> widths_; // of each run's characters, by run and code
    std::unordered_map<std::u16string_view, int> readingWidths_;
    int lineStep_ = 1; // a row of verses with its readings
};
