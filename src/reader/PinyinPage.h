#pragma once

#include "PageBox.h"
#include "PageLook.h"
#include "PageText.h"
#include "PinyinLayout.h"
#include "UniqueHandle.h"

#include <array>
#include <optional>
#include <unordered_map>
#include <windows.h>

namespace ui {
class Form;
}

// The page with each Chinese character's reading above it, in the page box's place. As the
// vertical page does, it draws the runs the box holds and leaves the text, the selection and
// the menu to the box; off, it is hidden and costs nothing.
class PinyinPage {
public:
    static constexpr const wchar_t* ClassName = L"TangPinyinPage";

    PinyinPage(const PageBox& box, const ui::Form& form);
    ~PinyinPage();
    PinyinPage(const PinyinPage&) = delete;
    PinyinPage& operator=(const PinyinPage&) = delete;

    HWND Handle() const { return window_.get(); }
    bool IsOn() const;
    // Shows the view in the box's place, or the box again; the focus goes along.
    void SetOn(bool on);

    // The runs as the box got them, their looks and the marks; the top comes into view.
    void SetRuns(std::array<PageRun, 4> runs, const std::array<RunLook, 4>& looks, PageMarks marks);
    void SetZoomPercent(int percent);
    // Stands where the box stands and lays out again, as after the box moved or took a font.
    void FollowBox();
    void SetMarks(PageMarks marks);
    void Repaint() const;
    // Scrolls the row holding `position` into view when it is not, if the view is on.
    void BringIntoView(uint32_t position);

    // The selection, or the whole page, as the view shows it: each line of Chinese followed
    // by its readings.
    std::u16string SelectedText() const;
    std::u16string WholeText() const;
    void Copy() const;

    // The size of the whole page, every row of it, but never lower than the window.
    SIZE WholeSize();
    // Paints the page from its top into `dc`, as wide as the window and `height` pixels high;
    // without the selection, as in a picture.
    void PaintWhole(HDC dc, int height);

    // Where the character starting at `position` is drawn, its reading's band included, in
    // client coordinates; nothing when no character starts there.
    std::optional<RECT> CellRect(uint32_t position);
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

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleKey(WPARAM key);
    void HandleScrollBar(int request);
    void HandleMouse(UINT message, LPARAM lParam);
    void ShowMenu(LPARAM lParam);

    const PinyinLayout& Layout();
    PinyinLayout Measured(HDC dc, int width);
    void Forget();
    void Place();
    RECT Client() const;
    void PaintWindow();
    void Paint(HDC dc, RECT client, int scrolled, bool withSelection);
    void ScrollTo(int scrolled);
    int MaxScroll();
    void UpdateScrollBar();
    int LineStep() const;
    uint32_t PositionAtPoint(POINT point);

    const PageBox& page_;
    HWND box_;
    const ui::Form& form_;
    ui::UniqueWindow window_;
    std::array<PageRun, 4> runs_;
    std::array<RunLook, 4> looks_;
    PageMarks marks_;
    int zoom_ = 100;
    int margin_ = 4;
    std::optional<PinyinLayout> layout_;
    Fonts fonts_;
    std::unordered_map<uint64_t, int> widths_; // of each run's characters, by run and code
    std::unordered_map<std::u16string_view, int> readingWidths_;
    int lineStep_ = 1;               // a row of verses with its readings
    int scrolled_ = 0;               // pixels from the page's top
    int wheel_ = 0;                  // the part of a wheel notch not yet scrolled
    std::optional<uint32_t> anchor_; // where a selection with the mouse began
};
