#pragma once

#include <cstdint>
#include <span>
#include <vector>

// What a stretch of the page is marked for: a place the last search found, or the line being
// read aloud.
enum class MarkKind : uint8_t { None, Hit, Reading };

// A stretch of the page, in positions where a line break counts one, as the page box counts.
struct MarkedSpan {
    uint32_t Start;
    uint32_t End;
    MarkKind Kind = MarkKind::Hit;
    bool operator==(const MarkedSpan&) const = default;
};

// How the position `at` is marked by `spans`, which are in order and apart.
MarkKind MarkAt(std::span<const MarkedSpan> spans, uint32_t at);
inline bool IsMarked(std::span<const MarkedSpan> spans, uint32_t at) {
    return MarkAt(spans, at) != MarkKind::None;
}

// `hits` with `line` marked as being read over them: the hits keep what lies outside the line.
std::vector<MarkedSpan> WithLineRead(std::span<const MarkedSpan> hits, MarkedSpan line);
