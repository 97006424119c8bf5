#include "ListedText.h"

#include "Unicode.h"

#include <algorithm>

namespace {

// The units of `text` a list keeps.
size_t KeptUnits(std::u16string_view text) {
    if (text.size() <= MaxListedLength) {
        return text.size();
    }
    return IsHighSurrogate(text[MaxListedLength - 1]) ? MaxListedLength - 1 : MaxListedLength;
}

size_t DecimalDigits(int number) {
    size_t digits = 1;
    for (; number >= 10; number /= 10) {
        ++digits;
    }
    return digits;
}

} // namespace

size_t ListedLength(std::u16string_view text) {
    const size_t kept = KeptUnits(text);
    return kept < text.size() ? kept + 1 : kept;
}

void AppendListed(std::u16string& entry, std::u16string_view text) {
    const size_t kept = KeptUnits(text);
    entry.append(text.substr(0, kept));
    if (kept < text.size()) {
        entry += u'…';
    }
}

size_t PoemListEntryLength(int16_t index, const TangRecord& record) {
    // "(001) " before the search result's "T [A]": the number, at least three digits.
    return std::max<size_t>(3, DecimalDigits(index + 1)) + 3 + SearchResultEntryLength(record);
}

size_t SearchResultEntryLength(const TangRecord& record) {
    return ListedLength(record.Title) + 2 + ListedLength(record.Author) + 1;
}

size_t PoemListStorage(const std::vector<TangRecord>& tangs) {
    size_t units = 0;
    for (size_t index = 0; index < tangs.size(); ++index) {
        units += PoemListEntryLength(static_cast<int16_t>(index), tangs[index]) + 1;
    }
    return units;
}

size_t ResultListStorage(const std::vector<TangRecord>& tangs, const std::vector<int16_t>& found) {
    size_t units = 0;
    for (const int16_t index : found) {
        units += SearchResultEntryLength(tangs[static_cast<size_t>(index)]) + 1;
    }
    return units;
}
