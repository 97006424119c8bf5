#include "TextSearcher.h"

#include <algorithm>

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
    while (at <= end) {
        const char16_t unit = text[at + length - 1];
        if (unit == last && std::equal(needle_.begin(), needle_.end() - 1, text + at)) {
            return true;
        }
        at += shift_[unit & 0xFF];
    }
    return false;
}
