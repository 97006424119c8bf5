// Decoding vectors; this file runs natively (iconv) and in the Windows test program
// (MultiByteToWideChar), so both builds must agree on every vector.
#include "AnthologyText.h"

#include <gtest/gtest.h>

#include <string>

TEST(Decoding, GbkTextBecomesUtf16) {
    EXPECT_EQ(DecodeAnthologyBytes("<\xbe\xb2\xd2\xb9\xcb\xbc>\r\n(\xc0\xee\xb0\xd7)"),
              u"<静夜思>\r\n(李白)");
    EXPECT_EQ(DecodeAnthologyBytes(""), u"");
    EXPECT_EQ(DecodeAnthologyBytes("\x80"), u"\u20AC") << "code page 936 has a one-byte euro sign";
    EXPECT_EQ(DecodeAnthologyBytes("\xa3\xac\xa1\xa3"), u"，。");
}

TEST(Decoding, EachInvalidSequenceBecomesOneReplacementAndTheRestIsKept) {
    EXPECT_EQ(DecodeAnthologyBytes("a\xff"
                                   "b"),
              u"a\uFFFDb");
    EXPECT_EQ(DecodeAnthologyBytes("\xff\xff"), u"\uFFFD\uFFFD");
    EXPECT_EQ(DecodeAnthologyBytes("\xc0"
                                   "1\xc0\xee"),
              u"\uFFFD1李")
        << "a lead byte without a trail byte is invalid alone; the next byte is read afresh";
    EXPECT_EQ(DecodeAnthologyBytes("\xc0\xee\xc0"), u"李\uFFFD");
    EXPECT_EQ(DecodeAnthologyBytes("\xc0\r\n\xb0\xd7"), u"\uFFFD\r\n白")
        << "a line end is never swallowed by a broken character";
}

TEST(Decoding, CharactersAtTheEdgesOfTheCodePage) {
    // Trail byte 0x80, lead byte 0xFE and the one-byte euro sign: whole, and beside an invalid
    // byte, which sends the line through the character-by-character path.
    EXPECT_EQ(DecodeAnthologyBytes("\x81\x80"), u"\u4E90");
    EXPECT_EQ(DecodeAnthologyBytes("\x81\x80\xff"), u"\u4E90\uFFFD");
    EXPECT_EQ(DecodeAnthologyBytes("\xFE\x40"), u"\uFA0C");
    EXPECT_EQ(DecodeAnthologyBytes("@\xff\xFE\x40"), u"@\uFFFD\uFA0C")
        << "the @ keeps FF FE from reading as the UTF-16 byte-order mark";
    EXPECT_EQ(DecodeAnthologyBytes("\xFE\xFE\x80\xff\x80"), u"\uFFFD\u20AC\uFFFD\u20AC")
        << "FE FE is a user-defined pair";
    EXPECT_EQ(DecodeAnthologyBytes("\xFE"), u"\uFFFD");
}

TEST(Decoding, UndefinedAndUserDefinedPairsBecomeOneReplacement) {
    // Well-shaped pairs that name no standard character: A2 AB is undefined in GBK, A1 40,
    // AA A1, F8 A1 and FE 50 lie in the user-defined areas (private use on Windows).
    for (const char* pair :
         {"\xA2\xAB", "\xA1\x40", "\xA7\xA0", "\xAA\xA1", "\xF8\xA1", "\xFE\x50"}) {
        EXPECT_EQ(DecodeAnthologyBytes(pair), u"\uFFFD") << "alone";
        EXPECT_EQ(DecodeAnthologyBytes(std::string("a") + pair + "b\xc0\xee"), u"a\uFFFDb李")
            << "in a well-shaped line";
        EXPECT_EQ(DecodeAnthologyBytes(std::string(pair) + "\xff"), u"\uFFFD\uFFFD")
            << "beside an invalid byte";
    }
}

TEST(Decoding, NulIsNoCharacter) {
    using namespace std::string_literals;
    EXPECT_EQ(DecodeAnthologyBytes("a\0b"s), u"a\uFFFDb");
    EXPECT_EQ(DecodeAnthologyBytes("\0\xc0\xee\0"s), u"\uFFFD李\uFFFD");
    EXPECT_EQ(DecodeAnthologyBytes("\xc0\0"s), u"\uFFFD\uFFFD") << "NUL is no trail byte";
    EXPECT_EQ(DecodeAnthologyBytes(std::string(100, 'x') + '\0' + std::string(100, 'y')),
              std::u16string(100, u'x') + u'\uFFFD' + std::u16string(100, u'y'));
    EXPECT_EQ(DecodeAnthologyBytes("\xEF\xBB\xBF"
                                   "a\0b"s),
              u"a\uFFFDb")
        << "UTF-8";
}

TEST(Decoding, OneBadLineDoesNotDisturbTheOthers) {
    std::string bytes;
    std::u16string expected;
    for (int i = 0; i < 200; ++i) {
        bytes += i == 100 ? "\xc0\xee\xff\r\n" : "\xc0\xee\r\n";
        expected += i == 100 ? u"李\uFFFD\r\n" : u"李\r\n";
    }
    EXPECT_EQ(DecodeAnthologyBytes(bytes), expected);
}

TEST(Decoding, ByteOrderMarkSelectsUtf8) {
    EXPECT_EQ(DecodeAnthologyBytes("\xEF\xBB\xBF\xE6\x9D\x8E\xE7\x99\xBD"), u"李白");
    EXPECT_EQ(DecodeAnthologyBytes("\xEF\xBB\xBF"), u"");
    EXPECT_EQ(DecodeAnthologyBytes("\xEF\xBB\xBF\xF0\x9F\x8C\x99"), u"\U0001F319");
    EXPECT_EQ(DecodeAnthologyBytes("\xEF\xBB"
                                   "a"),
              u"锘a")
        << "an incomplete mark is GBK text";
}

TEST(Decoding, InvalidUtf8BecomesOneReplacementPerBrokenSequence) {
    EXPECT_EQ(DecodeUtf8("a\xC3(b"), u"a\uFFFD(b");
    EXPECT_EQ(DecodeUtf8("\xE6\x9D"), u"\uFFFD");
    EXPECT_EQ(DecodeUtf8("\xC0\xAF"), u"\uFFFD\uFFFD") << "overlong forms are refused";
    EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD") << "no surrogates";
    EXPECT_EQ(DecodeUtf8("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(DecodeUtf8("\xFF"), u"\uFFFD");
    EXPECT_EQ(DecodeUtf8("a\xF0\x9F\x8C"), u"a\uFFFD") << "cut off at the end of the file";
}

TEST(Decoding, Utf8AtTheEdgesOfEachLength) {
    EXPECT_EQ(DecodeUtf8("\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80"), u"\u007F\u0080\u07FF\u0800");
    EXPECT_EQ(DecodeUtf8("\xEF\xBF\xBF"), u"\uFFFF");
    EXPECT_EQ(DecodeUtf8("\xF0\x90\x80\x80"), u"\U00010000");
    EXPECT_EQ(DecodeUtf8("\xF4\x8F\xBF\xBF"), u"\U0010FFFF");
}
