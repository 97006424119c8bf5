#pragma once

#include "PageLook.h"
#include "PageText.h"
#include "Subclass.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <windows.h>

#include <richedit.h>

// The box's own font, whose face the page's other views draw the runs in.
CHARFORMAT2W BoxFontOf(HWND box);

// What the page box tells the reader.
struct PageBoxEvents {
    std::function<void(POINT screen)> MenuWanted; // a right click, Shift+F10 or the menu key
    std::function<void(int delta)> CtrlWheel;     // the mouse wheel turned with Ctrl held
    std::function<void()> Placed;                 // moved, sized, or given another font
};

// The reader's page box over the system's rich-edit control, offering just what the page
// needs: the whole text, the font size, and the poem's runs in their looks at the reader's
// zoom. It is the one owner of the box's subclass, which keeps Tab for the dialog, copies as
// plain text, keeps the sizes when the window kit sends the layout's font, lays the text out
// again for a new zoom, and passes on the menu and the Ctrl + wheel.
class PageBox {
public:
    // Loads the rich-edit library from the system folder only, so that a DLL of the same name
    // beside the program is never used. Returns the window class to create the box with.
    static const wchar_t* WindowClass();

    PageBox(HWND box, PageBoxEvents events);
    PageBox(const PageBox&) = delete;
    PageBox& operator=(const PageBox&) = delete;

    HWND Handle() const { return box_; }

    class Font {
    public:
        explicit Font(PageBox& box) : box_(box) {}
        // Every character of the box, and all text added later, is drawn at this size, also
        // after the box is given another font.
        void SetSize(int16_t points) const;

    private:
        PageBox& box_;
    };

    // Returns false when the box did not take the whole text, as when memory ran out.
    bool SetText(const std::u16string& text) const;
    Font GetFont() { return Font(*this); }
    // The size of the box's text, in 1/20 point.
    int TextSizeTwips() const { return sizeTwips_; }

    // Shows the runs from the top, each in its look drawn at the zoom, with the marks (drawn in
    // place of the characters' background and ink, not as formats of the text). Returns
    // false when the box did not take the whole text, as when memory ran out; it keeps what it
    // took.
    bool ShowRuns(const std::array<PageRun, 4>& runs, const std::array<RunLook, 4>& looks,
                  PageMarks marks);
    // Draws the text at `percent` of its looks' sizes, keeping the line at the top. The box is
    // laid out when it is next painted, so that zoom steps queued faster than it can follow
    // make one layout, and a box hidden behind another view is laid out only when shown again.
    void ZoomTo(int percent);
    // Marks the runs shown anew, as after another search; the text and its layout stay.
    void SetMarks(PageMarks marks);
    // Scrolls the line holding `position` to the top when it is out of view.
    void BringIntoView(uint32_t position);
    // Gives every run its look at the zoom asked for, when the sizes drawn are not those: done
    // when the box is next painted, and at once by what needs the layout before that.
    void LayOutIfDue();

private:
    static LRESULT CALLBACK Procedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR self);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void ApplySize() const;
    bool InsertInPieces(const std::u16string& text, const RunLook& look);
    void FormatRuns();
    // Paints the box through a memory bitmap with the marks drawn over it.
    void PaintMarked();
    void DrawMarks(HDC dc) const;

    HWND box_;
    PageBoxEvents events_;
    int sizeTwips_;
    std::array<RunLook, 4> looks_{};
    std::array<LONG, 5> runStarts_{}; // where each run starts in the box, and the text's end
    int percent_ = 100;               // the zoom asked for
    int laidOutPercent_ = 100;        // the zoom the runs are drawn at; 0 while they are not
    int piecesInserted_ = 0;
    PageMarks marks_;
    bool selectionHidden_ = false; // as when the page is pictured
    ui::Subclass subclass_;
};
