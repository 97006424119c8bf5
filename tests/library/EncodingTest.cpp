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

TEST(Encoding, AMarkDecidesAndOtherwiseTheReadingWithFewerFlawsWinsUtf8OnATie) {
    using enum AnthologyEncoding;
    const struct {
        std::string Bytes;
        AnthologyEncoding Encoding;
        const char* Why;
    } cases[] = {
        {std::string("\xFF\xFE<\0", 4), Utf16Le, "UTF-16 LE mark"},
        {std::string("\xFE\xFF\0<", 4), Utf16Be, "UTF-16 BE mark"},
        {"\xEF\xBB\xBF\xD7\xA2", Utf8WithMark, "the UTF-8 mark, whatever follows"},
        {"<\xE9\x9D\x99>\r\n(\xF0\x9F\x8C\x99)", Utf8, "valid UTF-8 without a mark"},
        {"(\xE6\x9D\x8E\xE7\x99\xBD)", Utf8, "李白 reads as three ideographs in GBK too"},
        {"<plain ASCII, long enough for whole blocks>", Gbk, "nothing speaks for UTF-8"},
        {"<T>\r\n(A)\r\n\xD7\xA2\r\n//N//", Gbk, "注 in GBK is a Hebrew letter in UTF-8"},
        {"\xC0\xEE\xB0\xD7", Gbk, "李白 in GBK is no UTF-8"},
        {"\xE9\x9D\x99 and a cut sequence \xF0\x9F\x8C", Utf8, "one flaw against two"},
        {"\xE9\x9D\x99\xC0\xAF", Gbk, "an overlong form is not UTF-8"},
        {"\xED\xA0\x80", Gbk, "neither is an encoded surrogate"},
        {"\xF4\x90\x80\x80", Gbk, "nor a value beyond U+10FFFF"},
        {std::string("a\0\xE9\x9D\x99\0", 6), Utf8, "NUL is a flaw of both readings"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeAnthology(c.Bytes).Encoding, c.Encoding) << c.Why;
    }
}

TEST(Encoding, CharactersOfOtherScriptsAndSymbolsAreFlawsButChineseTextIsNot) {
    for (const char32_t c :
         {U'a', U'\u00B7', U'\u201C', U'\u3002', U'\u4E00', U'\u9FA5', U'\uFF0C', U'\U00020000'}) {
        EXPECT_FALSE(IsForeignToChineseText(c)) << static_cast<unsigned>(c);
    }
    for (const char32_t c : {U'\u00E9', U'\u05E2', U'\u2192', U'\uAC00', U'\uE000', U'\uFFFD'}) {
        EXPECT_TRUE(IsForeignToChineseText(c)) << static_cast<unsigned>(c);
    }
    EXPECT_EQ(CountFlaws(u"静\uFFFD\u05E2\U0001F319"), 2u) << "a surrogate pair is no flaw";
    EXPECT_EQ(ReadAsUtf8("\xFF\xFF\xFF", 0).Flaws, 1u) << "counting stops past the limit";
    EXPECT_EQ(ReadAsUtf8("\xFF\xD7\xA2\xE9\x9D\x99", 9).Flaws, 2u);
}

TEST(Encoding, TheChosenReadingIsDecodedWithOneReplacementForEachUnreadableCharacter) {
    EXPECT_EQ(DecodeAnthologyBytes("<\xE9\x9D\x99\xE5\xA4\x9C\xE6\x80\x9D>\r\n"
                                   "(\xE6\x9D\x8E\xE7\x99\xBD)"),
              u"<静夜思>\r\n(李白)");
    const DecodedAnthology stray = DecodeAnthology("\xE9\x9D\x99\xFF");
    EXPECT_EQ(stray.Text, u"静\uFFFD") << "one stray byte does not make UTF-8 text GBK";
    const DecodedAnthology gbk = DecodeAnthology(std::string("\xD7\xA2\xFF\0", 4));
    EXPECT_EQ(gbk.Text, u"注\uFFFD\uFFFD") << "NUL shows as U+FFFD too";
    EXPECT_EQ(DecodeAnthologyBytes(std::string("\xFF\xFE\x00\xD8", 4)), u"\uFFFD")
        << "an unpaired surrogate";
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
