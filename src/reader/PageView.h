#pragma once

#include "PageBox.h"
#include "PageLook.h"
#include "PageText.h"
#include "UniqueHandle.h"

#include <array>
#include <optional>
#include <windows.h>

namespace ui {
class Form;
}

// A view of the page that draws the box's runs itself, in the box's place, with its background
// and border: the page set vertically, or with its readings. The box stays the page's model: it
// keeps the text, the selection and the context menu, and the view shows them and forwards what
// the user does. Off, a view is hidden and costs nothing.
class PageView {
public:
    PageView(const PageView&) = delete;
    PageView& operator=(const PageView&) = delete;

    HWND Handle() const { return window_.get(); }
    bool IsOn() const;
    // Shows the view in the box's place, or the box again; the focus goes along.
    void SetOn(bool on);

    // The page's runs as the box got them, how each looks, and the marks; the page's start
    // comes into view.
    void SetRuns(std::array<PageRun, 4> runs, const std::array<RunLook, 4>& looks, PageMarks marks);
    // The text size against the box's own font size, in percent.
    void SetZoomPercent(int percent);
    // Stands where the box stands and lays out again, as after the box moved or took a font.
    void FollowBox();
    void Repaint() const;
    // Marks the runs shown anew, as after another search or a line read aloud.
    void SetMarks(PageMarks marks);
    // Scrolls the character at `position` into view when it is not, if the view is on.
    virtual void BringIntoView(uint32_t position) = 0;

    // Where the character starting at `position` (counted as the box counts) is drawn, in
    // client coordinates; nothing when no character starts there.
    virtual std::optional<RECT> CellRect(uint32_t position) = 0;

    // The size of the whole page, but never smaller than the window.
    virtual SIZE WholeSize() = 0;
    // Paints the page from its start into `dc`, as the window is across and `length` pixels
    // along the way it scrolls; without the selection, as in a picture.
    virtual void PaintWhole(HDC dc, int length) = 0;
    // Whether the page scrolls from right to left, as columns follow each other, or downwards.
    bool ScrollsAcross() const { return across_; }

protected:
    // A hidden view of `className` over `box`, a child of `form`, whose DPI it follows. It
    // scrolls from right to left, `across`, or downwards.
    PageView(const PageBox& box, const ui::Form& form, const wchar_t* className, bool across);
    virtual ~PageView();

    RECT Client() const;
    // The client area's length along the way the page scrolls.
    int ClientLength() const;
    void ScrollTo(int scrolled);
    int MaxScroll();
    void UpdateScrollBar();

    // What each view does in its own way.
    virtual void Forget() = 0;                         // drops the layout, to be made anew
    virtual void LayOut() = 0;                         // makes it, if it is not made
    virtual void PaintView(HDC dc) = 0;                // the client area, as scrolled
    virtual uint32_t PositionAtPoint(POINT point) = 0; // for a click
    virtual int ContentLength() const = 0;             // of the page laid out, as it scrolls
    virtual int LineStep() const = 0;                  // a column, or a row, in pixels
    virtual int KeyPageStep() const = 0;               // what PgDn scrolls
    virtual void Copy() const;                         // the selection onto the clipboard

    const PageBox& page_;
    HWND box_;
    const ui::Form& form_;
    std::array<PageRun, 4> runs_;
    std::array<RunLook, 4> looks_;
    PageMarks marks_;
    int zoom_ = 100;
    int scrolled_ = 0; // pixels from the page's start

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleKey(WPARAM key);
    void HandleScrollBar(int request);
    void HandleWheel(int delta, bool tilted);
    void ScrollTowards(POINT outside);
    void HandleMouse(UINT message, LPARAM lParam);
    void ShowMenu(LPARAM lParam);
    void PaintWindow();
    void Place();

    bool across_;
    ui::UniqueWindow window_;
    std::optional<uint32_t> anchor_; // where a selection with the mouse began
    int wheel_ = 0;                  // the part of a wheel notch not yet scrolled
};
