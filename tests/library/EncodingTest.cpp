// Which encoding a ts.txt is read in, and the UTF-16 decoder.
#include "AnthologyText.h"
#include "EncodingDetection.h"
#include "Utf16.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The UTF-16 bytes of `text` in the given byte order, without a mark.
std::string Utf16Bytes(std::u16string_view text, bool bigEndian) {
    std::string bytes;
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

} // namespace

TEST(Encoding, ByteOrderMarksAndValidUtf8DecideAndEverythingElseIsGbk) {
    EXPECT_EQ(DetectAnthologyEncoding("\xEF\xBB\xBF<T>"), AnthologyEncoding::Utf8WithMark);
    EXPECT_EQ(DetectAnthologyEncoding("\xFF\xFE<\0"), AnthologyEncoding::Utf16Le);
    EXPECT_EQ(DetectAnthologyEncoding("\xFE\xFF\0<"), AnthologyEncoding::Utf16Be);
    EXPECT_EQ(DetectAnthologyEncoding("<\xE9\x9D\x99>\r\n(\xF0\x9F\x8C\x99)"),
              AnthologyEncoding::Utf8);
    EXPECT_EQ(DetectAnthologyEncoding("<\xbe\xb2\xd2\xb9\xcb\xbc>\r\n(\xc0\xee\xb0\xd7)"),
              AnthologyEncoding::Gbk);
    EXPECT_EQ(DetectAnthologyEncoding("<plain ASCII, long enough for whole blocks>"),
              AnthologyEncoding::Gbk)
        << "without a multi-byte sequence nothing speaks for UTF-8";
    EXPECT_EQ(DetectAnthologyEncoding(""), AnthologyEncoding::Gbk);
    EXPECT_EQ(DetectAnthologyEncoding("\xE9\x9D\x99 and then a cut sequence \xF0\x9F\x8C"),
              AnthologyEncoding::Gbk)
        << "valid UTF-8 throughout, up to the very last byte";
    EXPECT_EQ(DetectAnthologyEncoding("\xE9\x9D\x99\xC0\xAF"), AnthologyEncoding::Gbk)
        << "an overlong form is not UTF-8";
    EXPECT_EQ(DetectAnthologyEncoding("\xED\xA0\x80"), AnthologyEncoding::Gbk)
        << "neither is an encoded surrogate";
    EXPECT_EQ(DetectAnthologyEncoding("\xF4\x90\x80\x80"), AnthologyEncoding::Gbk)
        << "nor a value beyond U+10FFFF";
}

TEST(Encoding, Utf8WithoutMarkIsDecodedAsUtf8) {
    EXPECT_EQ(DecodeAnthologyBytes("<\xE9\x9D\x99\xE5\xA4\x9C\xE6\x80\x9D>\r\n"
                                   "(\xE6\x9D\x8E\xE7\x99\xBD)"),
              u"<静夜思>\r\n(李白)");
    EXPECT_EQ(DecodeAnthologyBytes("\xF0\x9F\x8C\x99"), u"\U0001F319");
    EXPECT_EQ(DecodeAnthologyBytes("\xEF\xBB\xBF\xE9\x9D\x99\xFF"), u"静\uFFFD")
        << "after the UTF-8 mark, a broken sequence is one U+FFFD and does not make it GBK";
    EXPECT_EQ(DecodeAnthologyBytes("\xE9\x9D\x99\xFF"), u"\u95C8\uFFFD\uFFFD")
        << "without the mark, the same bytes are GBK";
}

TEST(Encoding, Utf16WithEitherByteOrderMarkIsDecoded) {
    const std::u16string text =
        u"[乐府]\r\n<静夜思>\r\n(李白)\r\n床前明月光\r\n//N \U0001F319//\r\n";
    EXPECT_EQ(DecodeAnthologyBytes("\xFF\xFE" + Utf16Bytes(text, false)), text);
    EXPECT_EQ(DecodeAnthologyBytes("\xFE\xFF" + Utf16Bytes(text, true)), text);
    EXPECT_EQ(DecodeAnthologyBytes("\xFF\xFE"), u"");
}

TEST(Encoding, Utf16UnpairedSurrogatesOddByteAndNulBecomeReplacements) {
    EXPECT_EQ(DecodeUtf16(Utf16Bytes(u"a\xD800"
                                     u"b",
                                     false),
                          false),
              u"a\uFFFDb");
    EXPECT_EQ(DecodeUtf16(Utf16Bytes(u"a\xDC00\xD800", true), true), u"a\uFFFD\uFFFD")
        << "a low half first, and a high half at the very end";
    EXPECT_EQ(DecodeUtf16(Utf16Bytes(u"\xD800\xD800\xDC00", false), false), u"\uFFFD\U00010000")
        << "the second high half still pairs with the low half after it";
    EXPECT_EQ(DecodeUtf16(std::string("a\0b", 3), false), u"a\uFFFD")
        << "an odd last byte is no character";
    EXPECT_EQ(DecodeUtf16(std::string("\0\0a\0", 4), false), u"\uFFFDa")
        << "U+0000 would end every terminated string there";
}
