#pragma once

#include "PageText.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A piece of a printed line in one colour.
struct PrintPiece {
    std::u16string Text;
    uint32_t Colour = 0;
    bool operator==(const PrintPiece&) const = default;
};

// One line of the printed page: its pieces, its paragraph's alignment, and its width.
struct PrintLine {
    std::vector<PrintPiece> Pieces;
    ParagraphAlignment Alignment = ParagraphAlignment::Centre;
    int Width = 0;
};

// Breaks the page's runs into lines no wider than `lineWidth`, as the page box lays them out:
// a paragraph ends at each CR LF; a paragraph is left-aligned from the one in which the
// left-aligned run begins; a line breaks after its last blank when it has one, otherwise
// before the character that does not fit (Chinese text breaks between any two characters, never
// inside one: a character beyond the Basic Multilingual Plane keeps both its units together).
// `widthOf` measures one character. The empty paragraph after the page's last line break is
// not printed.
std::vector<PrintLine> BreakIntoLines(const std::array<PageRun, 4>& runs, int lineWidth,
                                      const std::function<int(std::u16string_view)>& widthOf);
