// Decoding vectors; this file runs natively (iconv) and in the Windows test program
// (MultiByteToWideChar), so both builds must agree on every vector.
#include "AnthologyText.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace {

// `text` as a UTF-16 file with its byte-order mark.
std::string Utf16File(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

std::string Utf8File(std::string_view bytes) {
    return "\xEF\xBB\xBF" + std::string(bytes);
}

const std::u16string Poem = u"[乐府]\r\n<静夜思>\r\n(李白)\r\n床前明月光\r\n//N \U0001F319//\r\n";

struct Case {
    std::string Bytes;
    std::u16string Text;
    const char* Why;
};

// Each is also decoded with an invalid byte after it, which sends a line of GBK through the
// character-by-character path, makes a tie of UTF-8 text that has no other flaw, and leaves
// UTF-16 text an odd byte at its end.
const Case AnthologyCases[] = {
    {"<\xbe\xb2\xd2\xb9\xcb\xbc>\r\n(\xc0\xee\xb0\xd7)", u"<静夜思>\r\n(李白)", "GBK text"},
    {"\x80", u"\u20AC", "code page 936 has a one-byte euro sign"},
    {"a\xFE", u"a\uFFFD", "a lead byte at the end; the a keeps FE FF from being a mark"},
    {"\xff\xff", u"\uFFFD\uFFFD", "each invalid byte is one replacement"},
    {"\xc0"
     "1\xc0\xee",
     u"\uFFFD1李", "a lead byte without a trail byte is invalid alone; the next is read afresh"},
    {"\xc0\r\n\xb0\xd7", u"\uFFFD\r\n白", "a line end is never swallowed by a broken character"},
    {"\xc0\xee\r\n\xff\r\n\xc0\xee", u"李\r\n\uFFFD\r\n李", "a bad line leaves the others alone"},
    {"a\0b"s, u"a\uFFFDb", "NUL is no character"},
    {"\xc0\0"s, u"\uFFFD\uFFFD", "NUL is no trail byte"},
    // Pairs the code page gives private-use characters (their numbering: CodePage936Test).
    {"\xAA\xA1\xAF\xFE\xc0\xee", u"\uE000\uE233李", "first user-defined area"},
    {"\xFE\xFE\xFF\xA1", u"\uE4C5\uFFFD\uFFFD", "a private-use pair, then no pair"},
    {"(\xE6\x9D\x8E\xE7\x99\xBD)", u"(李白)", "UTF-8 without a mark"},
    {"\xE9\x9D\x99\xFF", u"静\uFFFD", "one stray byte does not make UTF-8 text GBK"},
    {"\xEF\xBB"
     "a",
     u"锘a", "an incomplete mark is GBK text"},
    {Utf8File("\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80"), u"\u007F\u0080\u07FF\u0800",
     "edges of each length"},
    {Utf8File("\xEF\xBF\xBF\xF0\x90\x80\x80"), u"\uFFFF\U00010000", "edges of each length"},
    {Utf8File("\xF4\x8F\xBF\xBF"), u"\U0010FFFF", "the highest character"},
    {Utf8File("\xE6\x9D"), u"\uFFFD", "one replacement for the whole cut sequence"},
    {Utf8File("\xC0\xAF\xE0\x9F\xBF\xF0\x8F\xBF\xBF"), std::u16string(9, u'\uFFFD'),
     "overlong forms"},
    {Utf8File("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD", "no surrogates"},
    {Utf8File("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD", "nothing beyond U+10FFFF"},
    {Utf8File("a\xF0\x9F\x8C"), u"a\uFFFD", "cut off at the end of the file"},
    {Utf16File(Poem, false), Poem, "UTF-16, little-endian"},
    {Utf16File(Poem, true), Poem, "UTF-16, big-endian"},
    {Utf16File(std::u16string{u'a', 0xD800, u'b'}, false), u"a\uFFFDb", "a high half alone"},
    {Utf16File(u"a\xDC00\xD800", true), u"a\uFFFD\uFFFD",
     "a low half first, a high half at the end"},
    {Utf16File(u"\xD800\xD800\xDC00", false), u"\uFFFD\U00010000", "the second high half pairs"},
    {Utf16File(std::u16string(1, u'\0'), false), u"\uFFFD", "U+0000 would end a terminated string"},
};

} // namespace

TEST(Decoding, EachInvalidSequenceBecomesOneReplacementAndTheRestIsKept) {
    for (const Case& c : AnthologyCases) {
        EXPECT_EQ(DecodeAnthologyBytes(c.Bytes), c.Text) << c.Why;
        EXPECT_EQ(DecodeAnthologyBytes(c.Bytes + "\xff"), c.Text + u"\uFFFD") << c.Why;
    }
}
