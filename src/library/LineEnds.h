#pragma once

#include <bit>
#include <cstddef>
#include <string_view>

#if defined(__SSE2__) && !defined(TANG_PORTABLE_ONLY)
#include <emmintrin.h>
#endif

// Inline: the loader calls it once per line, in its innermost loop.

namespace line_ends {

// Position of the first CR or LF at or after `from`, or the size of the text when there is
// none. With SSE2, eight units are tested at once: looking for line ends is much of the
// loader's own work.
inline size_t FindBreak(std::u16string_view text, size_t from) {
    const size_t size = text.size();
    const char16_t* const data = text.data();
    size_t at = from;
#if defined(__SSE2__) && !defined(TANG_PORTABLE_ONLY)
    const __m128i lineFeeds = _mm_set1_epi16(static_cast<short>(u'\n'));
    const __m128i carriageReturns = _mm_set1_epi16(static_cast<short>(u'\r'));
    for (; size - at >= 8; at += 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
        const __m128i breaks = _mm_or_si128(_mm_cmpeq_epi16(units, lineFeeds),
                                            _mm_cmpeq_epi16(units, carriageReturns));
        const int found = _mm_movemask_epi8(breaks);
        if (found != 0) {
            return at + static_cast<size_t>(std::countr_zero(static_cast<unsigned>(found))) / 2;
        }
    }
#endif
    // Both ends lie below every other character a line holds in practice, so one comparison
    // rules out nearly every unit.
    for (; at < size; ++at) {
        const char16_t unit = data[at];
        if (unit <= u'\r' && (unit == u'\n' || unit == u'\r')) {
            return at;
        }
    }
    return size;
}

} // namespace line_ends

// Where a line of the anthology's text ends: at CR LF, at LF alone, or at CR alone (old Mac
// files). Returns the position of the line's end, which is not part of the line, and sets
// `next` to where the following line starts.
inline size_t FindLineEnd(std::u16string_view text, size_t from, size_t& next) {
    const size_t end = line_ends::FindBreak(text, from);
    next = end;
    if (end < text.size()) {
        next += text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n' ? 2 : 1;
    }
    return end;
}
