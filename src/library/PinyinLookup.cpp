#include "PinyinTable.h"

#include <algorithm>
#include <bitset>

std::u16string_view PinyinSyllable(unsigned syllable) {
    if (syllable == 0 || syllable > PinyinSyllableCount) {
        return {};
    }
    const size_t start = PinyinSyllableEnds[syllable - 1];
    return {PinyinSyllableText + start, PinyinSyllableEnds[syllable] - start};
}

namespace {

unsigned SparseCodeAt(size_t entry) {
    const char* digits = PinyinSparseCodes + 3 * entry;
    return (PinyinDigit(digits[0]) * 64 + PinyinDigit(digits[1])) * 64 + PinyinDigit(digits[2]);
}

// Units that begin a phrase of some length: most characters begin none, and so are passed
// by without a search.
const std::bitset<0x10000>& PhraseStarts() {
    static const std::bitset<0x10000> starts = [] {
        std::bitset<0x10000> bits;
        for (size_t list = 0; list < PinyinPhraseListCount; ++list) {
            const PinyinPhraseList& phrases = PinyinPhraseLists[list];
            for (uint32_t i = 0; i < phrases.Count; ++i) {
                bits.set(phrases.Text[i * phrases.Units]);
            }
        }
        return bits;
    }();
    return starts;
}

} // namespace

unsigned UsualReadingOf(char32_t character) {
    for (size_t i = 0; i < PinyinDenseRangeCount; ++i) {
        const PinyinDenseRange& range = PinyinDenseRanges[i];
        if (character >= range.First && character <= range.Last) {
            return PinyinReadingAt(range.Readings + 2 * (character - range.First));
        }
    }
    if (character < 0x20000) {
        return 0;
    }
    const unsigned code = character - 0x20000;
    size_t low = 0;
    size_t high = PinyinSparseCount;
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        const unsigned found = SparseCodeAt(middle);
        if (found == code) {
            return PinyinReadingAt(PinyinSparseReadings + 2 * middle);
        }
        if (found < code) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return 0;
}

PinyinPhrase LongestPhraseAt(std::u16string_view text, size_t longest) {
    longest = std::min(longest, text.size());
    if (longest < 2 || !PhraseStarts().test(text[0])) {
        return {};
    }
    // The lists go from the shortest phrases to the longest.
    for (size_t list = PinyinPhraseListCount; list-- > 0;) {
        const PinyinPhraseList& phrases = PinyinPhraseLists[list];
        if (phrases.Units > longest) {
            continue;
        }
        const std::u16string_view wanted = text.substr(0, phrases.Units);
        size_t low = 0;
        size_t high = phrases.Count;
        while (low < high) {
            const size_t middle = low + (high - low) / 2;
            const int order =
                std::u16string_view(phrases.Text + middle * phrases.Units, phrases.Units)
                    .compare(wanted);
            if (order == 0) {
                return {phrases.Units, phrases.Readings + 2 * middle * phrases.Units};
            }
            if (order < 0) {
                low = middle + 1;
            } else {
                high = middle;
            }
        }
    }
    return {};
}
