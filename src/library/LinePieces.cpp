#include "LinePieces.h"

#include "Unicode.h"

#include <algorithm>

namespace {

// The units from `start` to `end`, narrowed so that a character outside the Basic Multilingual
// Plane is either kept whole or dropped whole, never split into a lone half.
std::u16string_view WholeCharacters(std::u16string_view line, size_t start, size_t end) {
    if (start > 0 && start < line.size() && IsLowSurrogate(line[start]) &&
        IsHighSurrogate(line[start - 1])) {
        ++start;
    }
    if (end > 0 && end < line.size() && IsLowSurrogate(line[end]) &&
        IsHighSurrogate(line[end - 1])) {
        --end;
    }
    return start < end ? std::u16string_view(line.data() + start, end - start)
                       : std::u16string_view{};
}

} // namespace

std::u16string_view StripSpaces(std::u16string_view line) {
    const size_t first = line.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(u' ') - first + 1);
}

std::u16string_view Mid(std::u16string_view line, ptrdiff_t first, ptrdiff_t count) {
    const auto start = static_cast<size_t>(first - 1);
    if (count <= 0 || start >= line.size()) {
        return {};
    }
    return WholeCharacters(line, start, std::min(line.size(), start + static_cast<size_t>(count)));
}

std::u16string_view MidToEnd(std::u16string_view line, ptrdiff_t first) {
    return WholeCharacters(line, static_cast<size_t>(first - 1), line.size());
}

void Piece::AppendTo(std::u16string& out) const {
    // Room for the ellipsis too: appended alone, it would double the room of every cut field,
    // and a file of long titles and authors would hold its table twice over.
    out.reserve(out.size() + Size());
    out.append(Text);
    if (Cut) {
        out += Ellipsis;
    }
}

Piece Clip(std::u16string_view text, size_t limit) {
    if (text.size() <= limit) {
        return {text, false};
    }
    return {WholeCharacters(text, 0, limit), true};
}
