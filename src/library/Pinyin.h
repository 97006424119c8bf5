#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Each Chinese character's reading (拼音), as the page sets it above the character: a toned
// syllable (chūn, lǜ; the neutral tone unmarked), chosen from the words around the character.
// 一 and 不 change their tone as school editions print them: 一 is yí before a fourth tone and
// yì before the others, but yī alone, at the end, after 第 or 初 and beside another numeral;
// 不 is bú before a fourth tone.

struct CharacterReading {
    uint32_t Index;               // of the character's first UTF-16 unit in the line
    uint8_t Units;                // 1, or 2 outside the Basic Multilingual Plane
    std::u16string_view Syllable; // toned, e.g. u"shào", in static storage; empty where the
                                  // table knows no reading
};

// A character that takes a reading: a CJK ideograph, 〇 included. Punctuation, Latin letters
// and digits take none.
bool IsChineseCharacter(char32_t character);

// The readings of every Chinese character of `line`, in order. A character inside a phrase of
// the table takes the reading of the longest such phrase (of two as long, the later one); any
// other takes its usual reading. Takes time in proportion to the line's length.
std::vector<CharacterReading> ReadingsOf(std::u16string_view line);

// The readings of the line's Chinese characters in order, separated by single spaces, "?" for
// a character the table does not know; empty when the line has no Chinese character. With
// `from` and `to`, those of the characters starting within those units, read in the whole line.
std::u16string ReadingsLine(std::u16string_view line, size_t from = 0,
                            size_t to = std::u16string_view::npos);
