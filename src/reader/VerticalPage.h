#pragma once

#include "PageBox.h"
#include "PageLook.h"
#include "PageText.h"
#include "UniqueHandle.h"
#include "VerticalLayout.h"
#include "VerticalPainter.h"

#include <array>
#include <optional>
#include <windows.h>

namespace ui {
class Form;
}

// The page set vertically, in the page box's place, with its background and border. The box
// stays the page's model: it keeps the text, the selection and the context menu, and the
// vertical page shows them and forwards what the user does. Off, the vertical page is hidden
// and costs nothing.
class VerticalPage {
public:
    static constexpr const wchar_t* ClassName = L"TangVerticalPage";

    // A hidden vertical page over `box`, a child of `form`, whose DPI it follows.
    VerticalPage(const PageBox& box, const ui::Form& form);
    ~VerticalPage();
    VerticalPage(const VerticalPage&) = delete;
    VerticalPage& operator=(const VerticalPage&) = delete;

    HWND Handle() const { return window_.get(); }
    bool IsOn() const;
    // Shows the vertical page in the box's place, or the box again; the focus goes along.
    void SetOn(bool on);

    // The page's runs as the box got them, how each looks, and the marks; the first column
    // comes into view. The runs' sizes are not followed: the columns keep one cell size.
    void SetRuns(std::array<PageRun, 4> runs, const std::array<RunLook, 4>& looks, PageMarks marks);
    // The text size against the box's own font size, in percent.
    void SetZoomPercent(int percent);
    // Stands where the box stands and lays out again, as after the box moved or took a font.
    void FollowBox();
    void Repaint() const;
    // Marks the runs shown anew, as after another search.
    void SetMarks(PageMarks marks);
    // Scrolls the column holding `position` into view when it is not, if the page is on.
    void BringIntoView(uint32_t position);

    // The size of the whole page, every column of it, but never narrower than the window.
    SIZE WholeSize();
    // Paints the page from its first column on into `dc`, `width` pixels wide and as high as
    // the window, the first column at the right; without the selection, as in a picture.
    void PaintWhole(HDC dc, int width);

    // Where the character starting at `position` (counted as the box counts) is drawn, in
    // client coordinates; nothing when no character starts there.
    std::optional<RECT> CellRect(uint32_t position);
    static VerticalPage* FromWindow(HWND window);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleKey(WPARAM key);
    void HandleScrollBar(int request);
    void HandleWheel(int delta);
    void HandleMouse(UINT message, LPARAM lParam);
    void ShowMenu(LPARAM lParam);

    // Lays the page out when something changed since the last time.
    const VerticalLayout& Layout();
    void Forget();
    void Place();
    RECT Client() const;
    void PaintWindow();
    void Paint(HDC dc);
    void PaintArea(HDC dc, RECT client, int scrolled, bool withSelection);
    void ScrollTo(int scrolled);
    void ScrollByColumns(int columns);
    int MaxScroll();
    void UpdateScrollBar();
    uint32_t PositionAtPoint(POINT point);

    const PageBox& page_;
    HWND box_;
    const ui::Form& form_;
    ui::UniqueWindow window_;
    std::array<PageRun, 4> runs_;
    std::array<RunLook, 4> looks_;
    PageMarks marks_;
    int zoom_ = 100;
    std::optional<VerticalLayout> layout_;
    ColumnGeometry geometry_;
    VerticalFonts fonts_;
    int scrolled_ = 0;               // pixels from the first column on towards the left
    int wheel_ = 0;                  // the part of a wheel notch not yet scrolled
    std::optional<uint32_t> anchor_; // where a selection with the mouse began
};
