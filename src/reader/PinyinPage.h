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

    // Scrolls the row holding `position` into view when it is not, if the view is on.
    void BringIntoView(uint32_t position);

    // The selection, or the whole page, as the view shows it: each line of Chinese followed
    // by its readings.
    std::u16string SelectedText() const;
    std::u16string WholeText() const;
    void Copy() const override;

    // The size of the whole page, every row of it, but never lower than the window.
    SIZE WholeSize();
    // Paints the page from its top into `dc`, as wide as the window and `height` pixels high;
    // without the selection, as in a picture.
    void PaintWhole(HDC dc, int height);

    // Where the character starting at `position` is drawn, its reading's band included.
    std::optional<RECT> CellRect(uint32_t position) override;
    static PinyinPage* FromWindow(HWND window);

private:
    struct Fonts {
        std::array<ui::UniqueFont, 4> Characters;
        ui::UniqueFont Readings;
        std::array<int, 4> Ascent{};
        int ReadingAscent = 0;
        int ReadingHeight = 0;
    };
    // The key of a character of `run` among the widths measured.
    static uint64_t CharacterKey(size_t run, std::u16string_view character) {
        return (uint64_t{run} << 32) | (uint64_t{character[0]} << 16) |
               (character.size() > 1 ? character[1] : 0);
    }

    void Forget() override;
    void LayOut() override { Layout(); }
    void PaintView(HDC dc) override { Paint(dc, Client(), scrolled_, true); }
    bool HandleKey(WPARAM key) override;
    void HandleScrollBar(int request) override;
    void HandleWheel(int delta, bool tilted) override;
    uint32_t PositionAtPoint(POINT point) override;
    void ScrollTowards(POINT outside) override;

    const PinyinLayout& Layout();
    PinyinLayout Measured(HDC dc, int width);
    void Paint(HDC dc, RECT client, int scrolled, bool withSelection);
    void ScrollTo(int scrolled);
    int MaxScroll();
    void UpdateScrollBar();

    int margin_ = 4;
    std::optional<PinyinLayout> layout_;
    Fonts fonts_;
    std::unordered_map<uint64_t, int> widths_; // of each run's characters, by run and code
    std::unordered_map<std::u16string_view, int> readingWidths_;
    int lineStep_ = 1; // a row of verses with its readings
    int wheel_ = 0;    // the part of a wheel notch not yet scrolled
};
