#pragma once

#include "PageText.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The page set in columns that run top to bottom and follow each other from right to left.
// Lengths along a column are counted in half cells: a character standing upright takes a
// whole cell (two halves), a narrow Latin letter or digit turned on its side takes one half.

// How a character stands in its cell.
enum class CellForm : uint8_t {
    Upright,    // as it is, centred: CJK characters and everything not named below
    UpperRight, // the sentence marks 。，、；：？！, set in the upper right of the cell
    Replaced,   // drawn as its vertical presentation form; turned on its side when the font
                // has no such form
    Sideways,   // turned a quarter clockwise: Latin letters, digits and other narrow signs
};

struct VerticalForm {
    CellForm Form = CellForm::Upright;
    char16_t Shown = 0; // for Replaced: its vertical presentation form, or 0 to turn it
    bool operator==(const VerticalForm&) const = default;
};

// How `character` (a whole code point) is set in a column.
VerticalForm VerticalFormOf(char32_t character);

// Half cells a character of this form takes along its column.
constexpr int HalfCellsOf(CellForm form) {
    return form == CellForm::Sideways ? 1 : 2;
}

struct VerticalCell {
    uint32_t Index;    // of its first unit in the page text
    uint32_t Position; // in the page, where each line break counts as one position
    uint16_t Along;    // half cells from the column's top edge
    uint8_t Units;     // 1, or 2 for a character outside the Basic Multilingual Plane
    uint8_t Run;       // 0 title, 1 author, 2 verses, 3 notes
    VerticalForm Form;
};

struct VerticalColumn {
    uint32_t FirstCell; // index into the layout's cells
    uint32_t CellCount;
    uint32_t Position;    // where the column starts, also for an empty column
    uint32_t EndPosition; // after its last character
};

struct VerticalLayout {
    std::u16string Text;                 // the four runs joined, as the page holds them
    std::vector<VerticalCell> Cells;     // in reading order
    std::vector<VerticalColumn> Columns; // the first one stands rightmost
    uint32_t Length = 0;                 // positions on the whole page
    int HalfCellsPerColumn = 2;
};

// Sets the page's four runs in columns of `halfCellsPerColumn` (at least one whole cell).
// Every line of the page starts a column; an empty line leaves an empty column, and a line
// longer than a column goes on in the next. Lines of a centred paragraph are centred in their
// columns, those of a left-aligned one start at the top. The empty line after the page's last
// line break takes no column.
VerticalLayout LayOutVertically(const std::array<PageRun, 4>& runs, int halfCellsPerColumn);

// The cell of the character at `position`, if a character starts there.
std::optional<size_t> CellAt(const VerticalLayout& layout, uint32_t position);
// The column that holds `cell`.
size_t ColumnOfCell(const VerticalLayout& layout, size_t cell);

// The page position nearest to the point `halfCells` from the top of `column`: before a
// character when the point lies in its first half, after it otherwise. Beyond the last
// column: the end of the page.
uint32_t PositionAt(const VerticalLayout& layout, size_t column, double halfCells);

// Sizes in pixels of columns of characters `cell` pixels high and wide, for a page `height`
// pixels high: columns stand `Pitch` apart, and `Margin` is kept free along every edge.
struct ColumnGeometry {
    int Cell = 1;
    int Pitch = 1;
    int Margin = 0;
    int HalfCellsPerColumn = 2;

    // Width of all `columns` with the margins.
    int ContentWidth(size_t columns) const;
    // Left edge of `column`'s cells, on a page `width` wide scrolled `scrolled` pixels on
    // from the first column.
    int ColumnLeft(size_t column, int width, int scrolled) const;
    // The column under `x`, or -1 right of the first one; it may lie beyond the last.
    long ColumnAt(int x, int width, int scrolled) const;
    // Whole columns that fit beside each other in `width`, at least one.
    int ColumnsIn(int width) const;
    // Top edge of a cell `halfCells` down its column.
    int CellTop(int halfCells) const;
};
ColumnGeometry MeasureColumns(int cell, int height);
