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
}
