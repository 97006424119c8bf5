#include "TextSearcher.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__) && !defined(TANG_PORTABLE_ONLY)
#include <emmintrin.h>
#endif

TextSearcher::TextSearcher(std::u16string_view needle) : needle_(needle) {
    const auto length = static_cast<uint32_t>(needle_.size());
    shift_.fill(std::max<uint32_t>(length, 1));
    for (uint32_t i = 0; i + 1 < length; ++i) {
        uint32_t& shift = shift_[needle_[i] & 0xFF];
        shift = std::min(shift, length - 1 - i);
    }
}

bool TextSearcher::FoundIn(std::u16string_view haystack) const {
    const size_t length = needle_.size();
    if (length == 0) {
        return !haystack.empty();
    }
    if (length == 1) {
        return haystack.find(needle_.front()) != std::u16string_view::npos;
    }
    if (haystack.size() < length) {
        return false;
    }
    const char16_t last = needle_.back();
    const char16_t* const text = haystack.data();
    const size_t end = haystack.size() - length;
    size_t at = 0;
#if defined(__SSE2__) && !defined(TANG_PORTABLE_ONLY)
    // Eight starting positions at a time: those whose unit matches the needle's first unit and
    // whose unit length - 1 further on matches its last are the only candidates. Verses are
    // short and a search looks at every poem, so this beats skipping ahead on short needles.
    const __m128i firstUnits = _mm_set1_epi16(static_cast<short>(needle_.front()));
    const __m128i lastUnits = _mm_set1_epi16(static_cast<short>(last));
    for (; at + 7 <= end; at += 8) {
        const __m128i starts = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at));
        const __m128i ends =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at + length - 1));
        auto candidates = static_cast<unsigned>(_mm_movemask_epi8(
            _mm_and_si128(_mm_cmpeq_epi16(starts, firstUnits), _mm_cmpeq_epi16(ends, lastUnits))));
        while (candidates != 0) {
            const auto bit = static_cast<unsigned>(std::countr_zero(candidates));
            if (std::equal(needle_.begin() + 1, needle_.end() - 1, text + at + bit / 2 + 1)) {
                return true;
            }
            candidates &= ~(3u << bit); // both bytes of the unit's mask
        }
    }
#endif
    while (at <= end) {
        const char16_t unit = text[at + length - 1];
        if (unit == last && std::equal(needle_.begin(), needle_.end() - 1, text + at)) {
            return true;
        }
        at += shift_[unit & 0xFF];
    }
    return false;
}
