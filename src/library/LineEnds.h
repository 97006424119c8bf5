#pragma once

#include <cstddef>
#include <string_view>

// Inline: the loader calls it once per line, in its innermost loop.

namespace line_ends {

// Position of the first CR or LF at or after `from`, or the size of the text when there is
// none.
inline size_t FindBreak(std::u16string_view text, size_t from) {
    const size_t size = text.size();
    const char16_t* const data = text.data();
    // Both ends lie below every other character a line holds in practice, so one comparison
    // rules out nearly every unit.
    for (size_t at = from; at < size; ++at) {
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
