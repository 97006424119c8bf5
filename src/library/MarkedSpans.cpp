#include "MarkedSpans.h"

#include <algorithm>
#include <iterator>

MarkKind MarkAt(std::span<const MarkedSpan> spans, uint32_t at) {
    const auto after = std::ranges::upper_bound(spans, at, {}, &MarkedSpan::Start);
    if (after == spans.begin() || at >= std::prev(after)->End) {
        return MarkKind::None;
    }
    return std::prev(after)->Kind;
}

std::vector<MarkedSpan> WithLineRead(std::span<const MarkedSpan> hits, MarkedSpan line) {
    line.Kind = MarkKind::Reading;
    std::vector<MarkedSpan> spans;
    spans.reserve(hits.size() + 2);
    bool placed = false;
    for (const MarkedSpan& hit : hits) {
        if (hit.End <= line.Start || hit.Start >= line.End) { // wholly outside the line
            if (!placed && hit.Start >= line.End) {
                spans.push_back(line);
                placed = true;
            }
            spans.push_back(hit);
            continue;
        }
        if (hit.Start < line.Start) {
            spans.push_back({hit.Start, line.Start, hit.Kind});
        }
        if (!placed) {
            spans.push_back(line);
            placed = true;
        }
        if (hit.End > line.End) {
            spans.push_back({line.End, hit.End, hit.Kind});
        }
    }
    if (!placed) {
        spans.push_back(line);
    }
    return spans;
}
