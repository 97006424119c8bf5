#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// The page is handed to the rich-edit box in pieces of at most this many UTF-16 units, each
// looking like its neighbours but kept apart by the box. Some systems' rich edit lays a run of
// one look out in a time that grows with the square of its length, and keeps memory for each
// of its lines in proportion to the run: a line of 16,000 characters took seconds at every
// zoom step and a gigabyte at 400 %. Runs of this length keep both in proportion to the page.
inline constexpr size_t PagePieceLength = 200;

// The lengths, in order, of the pieces `text` is cut into: each at most `longest` units (at
// least 2), cut only between whole characters and never inside a CR LF, which the box takes
// as one line break. Empty for an empty text.
std::vector<size_t> PieceLengths(std::u16string_view text, size_t longest = PagePieceLength);
