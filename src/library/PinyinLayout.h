#pragma once

#include "PageText.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The page with each Chinese character's reading set above it, in rows that wrap between whole
// characters: a character and its reading make one cell, never parted. The title, the author
// and the verses have readings; the notes are set as on the horizontal page, without. Lengths
// are in pixels.

struct PinyinCell {
    uint32_t Index;              // of its first unit in the page text
    uint32_t Position;           // on the page, where each line break counts as one position
    uint8_t Units;               // 1, or 2 for a character outside the Basic Multilingual Plane
    uint8_t Run;                 // 0 title, 1 author, 2 verses, 3 notes
    int Left;                    // from the text area's left edge
    int Width;                   // the wider of the character and its reading
    std::u16string_view Reading; // empty where none is shown
};

struct PinyinRow {
    uint32_t FirstCell; // index into the layout's cells
    uint32_t CellCount;
    uint32_t Position;    // where the row starts, also for an empty row
    uint32_t EndPosition; // after its last character
    int Top;              // from the page's top
    int Height;           // of its band of readings, if it has one, and its characters' line
    uint8_t Run;
    bool WithReadings;
};

struct PinyinLayout {
    std::u16string Text; // the four runs joined, as the page holds them
    std::vector<PinyinCell> Cells;
    std::vector<PinyinRow> Rows;
    int Height = 0;
};

// What the layout asks of the fonts it is drawn in.
struct PinyinMeasures {
    std::function<int(size_t run, std::u16string_view character)> CharacterWidth;
    std::function<int(std::u16string_view reading)> ReadingWidth;
    std::array<int, 4> LineHeight{}; // of each run's characters
    int ReadingHeight = 0;           // of the band of readings above a row
    int ReadingGap = 0;              // kept free between two readings side by side
    int Width = 0;                   // of the text area; a row holds at least one cell
};

PinyinLayout LayOutWithReadings(const std::array<PageRun, 4>& runs, const PinyinMeasures& measures);

// The cell of the character that starts at `position`, if one does.
std::optional<size_t> PinyinCellAt(const PinyinLayout& layout, uint32_t position);

// The row at `y` from the page's top: the first or last row beyond either end. Needs a row.
size_t PinyinRowAt(const PinyinLayout& layout, int y);

// Where a click at `x` in `row` puts the caret: before the cell whose middle lies beyond `x`.
uint32_t PinyinPositionAt(const PinyinLayout& layout, size_t row, int x);
