#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The readings tools/pinyin/generate_pinyin_table.py writes into PinyinTable.cpp, and the
// lookups in them. Numbers in the tables are written with the 64 digits of PinyinDigit, most
// significant first: a reading as two digits, the number of its syllable from 1, or 0 where a
// character has none.

// Every syllable, toned (the neutral tone unmarked), one after another: syllable i (from 1)
// takes the units from PinyinSyllableEnds[i - 1] to PinyinSyllableEnds[i].
extern const char16_t PinyinSyllableText[];
extern const uint16_t PinyinSyllableEnds[];
extern const size_t PinyinSyllableCount;

// Characters from First to Last, each with its reading, in order.
struct PinyinDenseRange {
    char32_t First;
    char32_t Last;
    const char* Readings;
};
extern const PinyinDenseRange PinyinDenseRanges[];
extern const size_t PinyinDenseRangeCount;

// Characters outside the Basic Multilingual Plane that have a reading, in order: each code
// less 0x20000 as three digits, and its reading in PinyinSparseReadings.
extern const char PinyinSparseCodes[];
extern const char PinyinSparseReadings[];
extern const size_t PinyinSparseCount;

// The phrases of `Units` characters (all in the Basic Multilingual Plane) in which some
// character is not read as it usually is, and those of the corrections for verse, in the order
// of their UTF-16 units, one after another; Readings holds a reading for each character.
struct PinyinPhraseList {
    uint8_t Units;
    uint32_t Count;
    const char16_t* Text;
    const char* Readings;
};
extern const PinyinPhraseList PinyinPhraseLists[];
extern const size_t PinyinPhraseListCount;

constexpr unsigned PinyinDigit(char digit) {
    if (digit >= '0' && digit <= '9') {
        return static_cast<unsigned>(digit - '0');
    }
    if (digit >= 'A' && digit <= 'Z') {
        return static_cast<unsigned>(digit - 'A') + 10;
    }
    if (digit >= 'a' && digit <= 'z') {
        return static_cast<unsigned>(digit - 'a') + 36;
    }
    return digit == '-' ? 62 : 63;
}

// The reading written at `digits`: a syllable's number, 0 for none.
constexpr unsigned PinyinReadingAt(const char* digits) {
    return PinyinDigit(digits[0]) * 64 + PinyinDigit(digits[1]);
}

// The toned syllable of number `syllable` (from 1); empty for 0.
std::u16string_view PinyinSyllable(unsigned syllable);

// The number of the usual reading of `character`, 0 where the table knows none.
unsigned UsualReadingOf(char32_t character);

// The longest phrase that `text` starts with, at most `longest` units long: its length (0 for
// none) and the digits of its readings.
struct PinyinPhrase {
    size_t Units = 0;
    const char* Readings = nullptr;
};
PinyinPhrase LongestPhraseAt(std::u16string_view text, size_t longest);
