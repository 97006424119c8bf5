#include "PagePieces.h"

#include "Unicode.h"

#include <algorithm>

namespace {

// `end`, or one unit on when it would split a surrogate pair or a CR LF.
size_t WholeEnd(std::u16string_view text, size_t end) {
    if (end == 0 || end >= text.size()) {
        return std::min(end, text.size());
    }
    const char16_t last = text[end - 1];
    const bool halfPair = IsHighSurrogate(last) && IsLowSurrogate(text[end]);
    const bool halfBreak = last == u'\r' && text[end] == u'\n';
    return halfPair || halfBreak ? end + 1 : end;
}

} // namespace

std::vector<size_t> PieceLengths(std::u16string_view text, size_t longest) {
    longest = std::max<size_t>(longest, 2);
    std::vector<size_t> lengths;
    for (size_t start = 0; start < text.size();) {
        size_t end = std::min(start + longest, text.size());
        if (end < text.size()) {
            const char16_t last = text[end - 1];
            const bool halfPair = IsHighSurrogate(last) && IsLowSurrogate(text[end]);
            const bool halfBreak = last == u'\r' && text[end] == u'\n';
            if (halfPair || halfBreak) {
                --end; // both halves go to the next piece
            }
        }
        lengths.push_back(end - start);
        start = end;
    }
    return lengths;
}

bool IsMarked(std::span<const MarkedSpan> spans, uint32_t at) {
    const auto after = std::ranges::upper_bound(spans, at, {}, &MarkedSpan::Start);
    return after != spans.begin() && at < std::prev(after)->End;
}

std::vector<PagePiece> MarkedPieces(std::u16string_view text, uint32_t start,
                                    std::span<const MarkedSpan> marks, size_t longest) {
    std::vector<PagePiece> pieces;
    auto mark = std::ranges::upper_bound(marks, start, {}, &MarkedSpan::End);
    for (size_t at = 0; at < text.size();) {
        const bool marked = mark != marks.end() && mark->Start <= start + at;
        size_t end = text.size();
        if (marked) {
            end = std::min<size_t>(mark->End - start, text.size());
            ++mark;
        } else if (mark != marks.end()) {
            end = std::min<size_t>(mark->Start - start, text.size());
        }
        end = WholeEnd(text, end);
        if (end <= at) {
            continue; // a mark wholly inside the character before
        }
        for (const size_t length : PieceLengths(text.substr(at, end - at), longest)) {
            pieces.push_back({length, marked});
        }
        at = end;
    }
    return pieces;
}
