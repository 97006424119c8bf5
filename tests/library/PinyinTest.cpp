// The readings set above the characters: verse as school editions read it, every character of
// the bundled anthology, and the line of readings the copy takes.
#include "Pinyin.h"
#include "PinyinVerses.h"
#include "RecordingSink.h"
#include "TangLoader.h"

#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

namespace {

std::string Utf8(std::u16string_view text) {
    std::string bytes;
    for (const char16_t unit : text) {
        if (unit < 0x80) {
            bytes += static_cast<char>(unit);
        } else if (unit < 0x800) {
            bytes += static_cast<char>(0xC0 | (unit >> 6));
            bytes += static_cast<char>(0x80 | (unit & 0x3F));
        } else {
            bytes += static_cast<char>(0xE0 | (unit >> 12));
            bytes += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (unit & 0x3F));
        }
    }
    return bytes;
}

// The reading of the character that starts at `index`, or "(none)".
std::u16string ReadingAt(std::u16string_view line, size_t index) {
    for (const CharacterReading& reading : ReadingsOf(line)) {
        if (reading.Index == index) {
            return std::u16string(reading.Syllable);
        }
    }
    return u"(none)";
}

} // namespace

TEST(Pinyin, WellKnownVersesReadAsSchoolEditionsPrintThem) {
    size_t right = 0;
    std::string wrong;
    for (const VerseReading& expected : VerseReadings) {
        const size_t index = expected.Verse.find(expected.Character);
        ASSERT_NE(index, std::u16string_view::npos) << Utf8(expected.Verse);
        const std::u16string read = ReadingAt(expected.Verse, index);
        if (read == expected.Syllable) {
            ++right;
        } else {
            wrong += "\n  " + Utf8(expected.Verse) + " " + Utf8({&expected.Character, 1}) + ": " +
                     Utf8(read) + ", not " + Utf8(expected.Syllable);
        }
    }
    const size_t all = std::size(VerseReadings);
    std::cout << "[ readings ] " << right << " of " << all << " verses read right" << wrong << "\n";
    EXPECT_GE(right * 100, all * 95) << wrong;
}

TEST(Pinyin, OneAndNotChangeTheirToneAsSchoolEditionsPrint) {
    EXPECT_EQ(ReadingsLine(u"一岁一枯荣"), u"yí suì yì kū róng");
    EXPECT_EQ(ReadingsLine(u"一行白鹭"), u"yì háng bái lù") << "一 in a phrase of the table too";
    EXPECT_EQ(ReadingsLine(u"千唤不一回"), u"qiān huàn bù yì huí")
        << "不 goes by 一's own tone, not by the changed one";
    EXPECT_EQ(ReadingsLine(u"春风不度玉门关，不知"), u"chūn fēng bú dù yù mén guān bù zhī");
    EXPECT_EQ(ReadingsLine(u"第一 十一 万一 一一 一二 统一。一"),
              u"dì yī shí yī wàn yī yī yī yī èr tǒng yī yī")
        << "ordinals, numbers, before punctuation and alone";
    EXPECT_EQ(ReadingsLine(u"一\U00020002"), u"yī ?") << "before a character of no known reading";
}

TEST(Pinyin, ReadingsLineSkipsAllButChineseAndMarksTheUnknown) {
    EXPECT_EQ(ReadingsLine(u"“床前明月光，”ABC 123〇！"), u"chuáng qián míng yuè guāng líng");
    EXPECT_EQ(ReadingsLine(u"Tang 300, 。"), u"");
    EXPECT_EQ(ReadingsLine(u""), u"");
    // U+3402 and U+20002 have no reading; U+20000 has one.
    EXPECT_EQ(ReadingsLine(u"花\u3402\U00020000\U00020002月"), u"huā ? hē ? yuè");

    std::u16string line = u"a\U00020000，月";
    line += char16_t{0xD800};
    const std::vector<CharacterReading> readings = ReadingsOf(line);
    ASSERT_EQ(readings.size(), 2u) << "an unpaired surrogate is no character";
    EXPECT_EQ(readings[0].Index, 1u);
    EXPECT_EQ(readings[0].Units, 2);
    EXPECT_EQ(readings[1].Index, 4u);
    EXPECT_EQ(readings[1].Units, 1);
    EXPECT_EQ(readings[1].Syllable, u"yuè");
}

TEST(Pinyin, EveryChineseCharacterOfTheBundledAnthologyHasAReading) {
    std::vector<TangRecord> tangs;
    RecordingSink sink;
    ASSERT_TRUE(LoadTangsFile(TANG_BUNDLED_ANTHOLOGY, tangs, sink).FileRead);
    ASSERT_FALSE(tangs.empty());
    size_t characters = 0;
    std::string unknown;
    for (const TangRecord& tang : tangs) {
        for (const std::u16string* text : {&tang.Title, &tang.Author, &tang.Content}) {
            for (const CharacterReading& reading : ReadingsOf(*text)) {
                ++characters;
                if (reading.Syllable.empty()) {
                    unknown += " " + Utf8(text->substr(reading.Index, reading.Units));
                }
            }
        }
    }
    EXPECT_GT(characters, 20000u);
    EXPECT_EQ(unknown, "");
}
