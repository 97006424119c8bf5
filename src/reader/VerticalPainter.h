#pragma once

#include "DeviceContext.h"
#include "MarkedSpans.h"
#include "UniqueHandle.h"
#include "VerticalLayout.h"

#include <array>
#include <windows.h>

// The faces of the vertical page's font: upright, and turned a quarter clockwise for the
// characters that lie on their side; each plain and bold.
class VerticalFonts {
public:
    VerticalFonts() = default;
    // `face` at `cell` pixels from the top of an ideograph to its bottom.
    VerticalFonts(const wchar_t* face, BYTE charset, int cell);

    HFONT Upright(bool bold) const { return (bold ? boldUpright_ : upright_).get(); }
    HFONT Sideways(bool bold) const { return (bold ? boldSideways_ : sideways_).get(); }

private:
    ui::UniqueFont upright_;
    ui::UniqueFont sideways_;
    ui::UniqueFont boldUpright_;
    ui::UniqueFont boldSideways_;
};

// How the characters of one run are drawn: in the normal scheme the runs differ by colour, in
// high contrast by weight, all in the system's text colour.
struct RunInk {
    COLORREF Colour = 0;
    bool Bold = false;
};

// Draws the cells of a vertical page with the system's glyphs, one character at a time.
class CellPainter {
public:
    // Marks are drawn in the system's highlight colours, as a selection is, when
    // `systemHighlight`; otherwise on the mark colour in their run's ink.
    CellPainter(HDC dc, const VerticalFonts& fonts, int cell, const std::array<RunInk, 4>& inks,
                bool systemHighlight);
    CellPainter(const CellPainter&) = delete;
    CellPainter& operator=(const CellPainter&) = delete;

    // Draws `cell` of `layout` with its top left corner at (`left`, `top`), in its run's ink
    // or, selected, in the colours of a selection, and marked as `mark` says.
    void Draw(const VerticalLayout& layout, const VerticalCell& cell, int left, int top,
              bool selected, MarkKind mark) const;

private:
    void Upright(const wchar_t* text, int length, int left, int top) const;
    void UpperRight(wchar_t mark, int left, int top) const;
    void Sideways(const wchar_t* text, int length, int left, int top, int extent) const;
    bool HasGlyph(wchar_t character) const;

    HDC dc_;
    const VerticalFonts& fonts_;
    int cell_;
    std::array<RunInk, 4> inks_;
    bool systemHighlight_;
    ui::UniqueBrush markBrush_;
    ui::UniqueBrush readingBrush_;
    mutable bool bold_ = false; // of the cell being drawn, like the font selected into dc_
    TEXTMETRICW upright_{};
    TEXTMETRICW sideways_{};
    ui::SavedDcState saved_; // the font, colours and alignment the painter changes come back
};
