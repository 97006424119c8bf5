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
    using enum AnthologyEncoding;
    const struct {
        std::string Bytes;
        AnthologyEncoding Encoding;
        const char* Why;
    } cases[] = {
        {std::string("\xFF\xFE<\0", 4), Utf16Le, "UTF-16 LE mark"},
        {std::string("\xFE\xFF\0<", 4), Utf16Be, "UTF-16 BE mark"},
        {"<\xE9\x9D\x99>\r\n(\xF0\x9F\x8C\x99)", Utf8, "valid UTF-8 without a mark"},
        {"<plain ASCII, long enough for whole blocks>", Gbk, "nothing speaks for UTF-8"},
        {"\xE9\x9D\x99 and a cut sequence \xF0\x9F\x8C", Gbk, "UTF-8 up to the last byte only"},
        {"\xE9\x9D\x99\xC0\xAF", Gbk, "an overlong form is not UTF-8"},
        {"\xED\xA0\x80", Gbk, "neither is an encoded surrogate"},
        {"\xF4\x90\x80\x80", Gbk, "nor a value beyond U+10FFFF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DetectAnthologyEncoding(c.Bytes), c.Encoding) << c.Why;
    }
}

TEST(Encoding, Utf8WithoutMarkIsDecodedAsUtf8) {
    EXPECT_EQ(DecodeAnthologyBytes("<\xE9\x9D\x99\xE5\xA4\x9C\xE6\x80\x9D>\r\n"
                                   "(\xE6\x9D\x8E\xE7\x99\xBD)"),
              u"<静夜思>\r\n(李白)");
    EXPECT_EQ(DecodeAnthologyBytes("\xE9\x9D\x99\xFF"), u"\u95C8\uFFFD\uFFFD")
        << "without the mark, a broken sequence makes it GBK";
}

TEST(Encoding, Utf16WithEitherByteOrderMarkIsDecoded) {
    const std::u16string text =
        u"[乐府]\r\n<静夜思>\r\n(李白)\r\n床前明月光\r\n//N \U0001F319//\r\n";
    EXPECT_EQ(DecodeAnthologyBytes("\xFF\xFE" + Utf16Bytes(text, false)), text);
    EXPECT_EQ(DecodeAnthologyBytes("\xFE\xFF" + Utf16Bytes(text, true)), text);
    EXPECT_EQ(DecodeAnthologyBytes("\xFF\xFE"), u"");
}

TEST(Encoding, Utf16UnpairedSurrogatesOddByteAndNulBecomeReplacements) {
    const std::u16string highFirst{u'a', 0xD800, u'b'};
    const std::u16string lowFirst{u'a', 0xDC00, 0xD800};
    const std::u16string twoHighs{0xD800, 0xD800, 0xDC00};
    EXPECT_EQ(DecodeUtf16(Utf16Bytes(highFirst, false), false), u"a\uFFFDb");
    EXPECT_EQ(DecodeUtf16(Utf16Bytes(lowFirst, true), true), u"a\uFFFD\uFFFD")
        << "a low half first, and a high half at the very end";
    EXPECT_EQ(DecodeUtf16(Utf16Bytes(twoHighs, false), false), u"\uFFFD\U00010000")
        << "the second high half still pairs with the low half after it";
    EXPECT_EQ(DecodeUtf16(std::string("a\0b", 3), false), u"a\uFFFD")
        << "an odd last byte is no character";
    EXPECT_EQ(DecodeUtf16(std::string("\0\0a\0", 4), false), u"\uFFFDa")
        << "U+0000 would end every terminated string there";
}
