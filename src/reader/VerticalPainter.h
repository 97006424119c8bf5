#pragma once

#include "UniqueHandle.h"
#include "VerticalLayout.h"

#include <windows.h>

// The two faces of the vertical page's font: upright, and turned a quarter clockwise for the
// characters that lie on their side.
class VerticalFonts {
public:
    VerticalFonts() = default;
    // `face` at `cell` pixels from the top of an ideograph to its bottom.
    VerticalFonts(const wchar_t* face, BYTE charset, int cell);

    HFONT Upright() const { return upright_.get(); }
    HFONT Sideways() const { return sideways_.get(); }

private:
    ui::UniqueFont upright_;
    ui::UniqueFont sideways_;
};

// Draws the cells of a vertical page with the system's glyphs, one character at a time.
class CellPainter {
public:
    CellPainter(HDC dc, const VerticalFonts& fonts, int cell);
    ~CellPainter();
    CellPainter(const CellPainter&) = delete;
    CellPainter& operator=(const CellPainter&) = delete;

    // Draws `cell` of `layout` with its top left corner at (`left`, `top`), in its run's colour
    // or, selected, in the colours of a selection.
    void Draw(const VerticalLayout& layout, const VerticalCell& cell, int left, int top,
              bool selected) const;

private:
    void Upright(const wchar_t* text, int length, int left, int top) const;
    void UpperRight(wchar_t mark, int left, int top) const;
    void Sideways(const wchar_t* text, int length, int left, int top, int extent) const;
    bool HasGlyph(wchar_t character) const;

    HDC dc_;
    const VerticalFonts& fonts_;
    int cell_;
    TEXTMETRICW upright_{};
    TEXTMETRICW sideways_{};
    HGDIOBJ previousFont_;
    int previousMode_;
    UINT previousAlign_;
};
