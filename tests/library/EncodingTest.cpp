// Which encoding a ts.txt is read in.
#include "AnthologyText.h"
#include "EncodingDetection.h"

#include <gtest/gtest.h>

#include <string>

TEST(Encoding, AMarkDecidesAndOtherwiseTheReadingWithFewerFlawsWinsUtf8OnATie) {
    using enum AnthologyEncoding;
    const struct {
        std::string Bytes;
        AnthologyEncoding Encoding;
        const char* Why;
    } cases[] = {
        {std::string("\xFF\xFE<\0", 4), Utf16Le, "UTF-16 LE mark"},
        {"\xEF\xBB\xBF\xD7\xA2", Utf8WithMark, "the UTF-8 mark, whatever follows"},
        {"<\xE9\x9D\x99>\r\n(\xF0\x9F\x8C\x99)", Utf8, "valid UTF-8 without a mark"},
        {"(\xE6\x9D\x8E\xE7\x99\xBD)", Utf8, "李白 reads as three ideographs in GBK too"},
        {"<plain ASCII, long enough for whole blocks>", Gbk, "nothing speaks for UTF-8"},
        {"<T>\r\n(A)\r\n\xD7\xA2\r\n//N//", Gbk, "注 in GBK is a Hebrew letter in UTF-8"},
        {"\xC0\xEE\xB0\xD7", Gbk, "李白 in GBK is no UTF-8"},
        {"\xE9\x9D\x99 and a cut sequence \xF0\x9F\x8C", Utf8, "one flaw against two"},
        {"\xE9\x9D\x99\xC0\xAF", Gbk, "an overlong form is not UTF-8"},
        {std::string("(\xE6\x9D\x8E\xE7\x99\xBD)\0", 9), Utf8, "a tie: NUL is a flaw of both"},
        {std::string("\xD7\xA2\xFF\0", 4), Gbk, "two flaws against three, NUL among them"},
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
