#include "Pinyin.h"

#include "PinyinTable.h"
#include "Unicode.h"

namespace {

// Phrases lie inside runs of Chinese characters of the Basic Multilingual Plane.
bool IsChineseUnit(char16_t unit) {
    return !IsHighSurrogate(unit) && !IsLowSurrogate(unit) && IsChineseCharacter(unit);
}

bool IsFourthTone(std::u16string_view syllable) {
    return syllable.find_first_of(u"àèìòùǜǹ") != std::u16string_view::npos;
}

bool IsOneOf(char16_t character, std::u16string_view characters) {
    return character != 0 && characters.find(character) != std::u16string_view::npos;
}

// 一 or 不 read from the characters beside it and the (unchanged) reading of the next one;
// `before` and `after` are 0 where no Chinese character stands there.
std::u16string_view ChangedTone(char16_t character, std::u16string_view syllable, char16_t before,
                                char16_t after, std::u16string_view next) {
    if (character == u'不') {
        return syllable == u"bù" && IsFourthTone(next) ? u"bú" : syllable;
    }
    // Counting keeps 一 as it is: 第一, 初一, 十一, 万一, 一一, 一二.
    if (syllable != u"yī" || next.empty() ||
        IsOneOf(before, u"第初〇零一二三四五六七八九十百千万亿") ||
        IsOneOf(after, u"〇零一二三四五六七八九十")) {
        return syllable;
    }
    return IsFourthTone(next) ? u"yí" : u"yì";
}

} // namespace

bool IsChineseCharacter(char32_t c) {
    return c == 0x3007 || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xF900 && c <= 0xFAD9) || (c >= 0x20000 && c <= 0x2FA1F) ||
           (c >= 0x30000 && c <= 0x323AF);
}

std::vector<CharacterReading> ReadingsOf(std::u16string_view line) {
    const size_t length = line.size();
    // For each unit: the length of the longest phrase over it, and that phrase's reading of it.
    std::vector<uint8_t> phraseUnits(length, 0);
    std::vector<uint16_t> phraseReading(length, 0);
    for (size_t start = 0, runEnd = 0; start < length; ++start) {
        if (!IsChineseUnit(line[start])) {
            continue;
        }
        if (runEnd <= start) {
            for (runEnd = start; runEnd < length && IsChineseUnit(line[runEnd]);) {
                ++runEnd;
            }
        }
        const PinyinPhrase phrase = LongestPhraseAt(line.substr(start), runEnd - start);
        for (size_t i = 0; i < phrase.Units; ++i) {
            if (phrase.Units >= phraseUnits[start + i]) {
                phraseUnits[start + i] = static_cast<uint8_t>(phrase.Units);
                phraseReading[start + i] =
                    static_cast<uint16_t>(PinyinReadingAt(phrase.Readings + 2 * i));
            }
        }
    }

    std::vector<CharacterReading> readings;
    for (size_t at = 0; at < length;) {
        char32_t character = line[at];
        uint8_t units = 1;
        if (IsHighSurrogate(line[at]) && at + 1 < length && IsLowSurrogate(line[at + 1])) {
            character = 0x10000 + ((character - 0xD800) << 10) + (line[at + 1] - 0xDC00);
            units = 2;
        }
        if (IsChineseCharacter(character)) {
            const unsigned syllable =
                phraseUnits[at] ? phraseReading[at] : UsualReadingOf(character);
            readings.push_back({static_cast<uint32_t>(at), units, PinyinSyllable(syllable)});
        }
        at += units;
    }

    // Left to right, so that the next character's reading is still its own.
    for (size_t i = 0; i < readings.size(); ++i) {
        CharacterReading& reading = readings[i];
        const char16_t character = line[reading.Index];
        if (character != u'一' && character != u'不') {
            continue;
        }
        const bool followed = i + 1 < readings.size() && readings[i + 1].Index == reading.Index + 1;
        const bool preceded =
            i > 0 && readings[i - 1].Index + readings[i - 1].Units == reading.Index;
        reading.Syllable = ChangedTone(character, reading.Syllable,
                                       preceded ? line[reading.Index - 1] : char16_t{0},
                                       followed ? line[reading.Index + 1] : char16_t{0},
                                       followed ? readings[i + 1].Syllable : std::u16string_view{});
    }
    return readings;
}

std::u16string ReadingsLine(std::u16string_view line, size_t from, size_t to) {
    std::u16string text;
    for (const CharacterReading& reading : ReadingsOf(line)) {
        if (reading.Index < from || reading.Index >= to) {
            continue;
        }
        if (!text.empty()) {
            text += u' ';
        }
        text += reading.Syllable.empty() ? std::u16string_view(u"?") : reading.Syllable;
    }
    return text;
}
