#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The parts of one line of the anthology's text that go into a field, taken so that a character
// outside the Basic Multilingual Plane is kept whole or dropped whole, never split in half.

// The line without the spaces at both of its ends.
std::u16string_view StripSpaces(std::u16string_view line);

// `count` characters from the 1-based position `first`; a count below one, or a start beyond
// the end, gives the empty text, so that a line too short for its kind yields nothing.
std::u16string_view Mid(std::u16string_view line, ptrdiff_t first, ptrdiff_t count);

// Everything from the 1-based position `first` on.
std::u16string_view MidToEnd(std::u16string_view line, ptrdiff_t first);

// A line's text on its way into a field: at most a limit's units of it, and whether it was cut,
// in which case an ellipsis follows it wherever it is stored.
struct Piece {
    std::u16string_view Text;
    bool Cut = false;

    size_t Size() const { return Text.size() + (Cut ? 1 : 0); }
    void AppendTo(std::u16string& out) const;
};

inline constexpr char16_t Ellipsis = u'\u2026';

// The text, cut after `limit` units when it is longer.
Piece Clip(std::u16string_view text, size_t limit);
