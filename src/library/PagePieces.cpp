#include "PagePieces.h"

#include "Unicode.h"

#include <algorithm>

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
