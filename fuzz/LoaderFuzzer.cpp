// Feeds arbitrary bytes through the loader's decoding and parsing and checks what must hold for
// any file: the decoder against a character-by-character model, the parser against a plain
// restatement of the line rules, and the properties the rest of the program relies on.
#include "AnthologyText.h"
#include "CodePage936.h"
#include "EncodingDetection.h"
#include "ParseModel.h" // the loader's and Unicode's headers, and the standard ones they need

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <tuple>

namespace {

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "loader invariant broken: %s\n", what);
        std::abort();
    }
}

// ---------------------------------------------------------------------------------------------
// Decoding

// What the code page makes of the byte `first` alone (`second` 256) or of the pair `first`
// `second`, U+FFFD for nothing; the code page is asked once for each character it has, when first
// needed.
char16_t CodePage936Unit(uint8_t first, unsigned second) {
    static std::vector<char16_t> units(256 * 257, u'\0'); // NUL: not asked yet
    char16_t& unit = units[first * 257u + second];
    const std::string pair{static_cast<char>(first), static_cast<char>(second)};
    std::u16string out;
    if (unit == u'\0' &&
        CodePage936Decoder().AppendStrict(pair.substr(0, 1 + (second < 256)), out)) {
        unit = out.size() == 1 ? out.front() : ReplacementCharacter;
    }
    return unit == u'\0' ? ReplacementCharacter : unit;
}

// GBK as the reader defines it, one character at a time: a byte from 0x01 to 0x80 is a
// character of its own, a lead byte with a trail byte after it is one of two bytes (every such
// pair is a character of the code page, the private-use ones included, as the library's tests
// check pair by pair), and every other byte, NUL included, becomes one U+FFFD. The code page is
// stateless, so this is what converting whole lines or the whole file must give.
std::u16string DecodeGbkModel(std::string_view bytes) {
    std::u16string out;
    for (size_t at = 0; at < bytes.size(); ++at) {
        const auto b = static_cast<uint8_t>(bytes[at]);
        const unsigned next = at + 1 < bytes.size() ? static_cast<uint8_t>(bytes[at + 1]) : 0;
        const bool pair = b > 0x80 && b != 0xFF && next >= 0x40 && next != 0x7F && next != 0xFF;
        out += b != 0 && (b <= 0x80 || pair) ? CodePage936Unit(b, pair ? next : 256)
                                             : ReplacementCharacter;
        at += pair ? 1 : 0;
    }
    return out;
}

void CheckDecoding(std::string_view bytes, const DecodedAnthology& decoded) {
    using enum AnthologyEncoding;
    const std::u16string& text = decoded.Text;
    const AnthologyEncoding mark = EncodingByMark(bytes);
    Require(decoded.Encoding == mark || mark == Gbk, "a byte-order mark was not followed");
    const bool utf16 = decoded.Encoding == Utf16Le || decoded.Encoding == Utf16Be;
    const size_t payload = bytes.size() - ByteOrderMarkLength(decoded.Encoding);
    Require(text.size() <= (utf16 ? (payload + 1) / 2 : payload), "more UTF-16 units than bytes");
    Require(utf16 || std::ranges::count(text, u'\n') == std::ranges::count(bytes, '\n'),
            "a line feed was lost or made up");
    // Without a mark, the reading chosen is the one with fewer flaws, UTF-8 on a tie when it
    // holds a character of several bytes: a character from U+0080 on other than U+FFFD, or a
    // U+FFFD of its own (EF never continues a sequence, so it always starts one there).
    const std::u16string utf8 = DecodeUtf8(bytes);
    const auto several = [](char16_t unit) {
        return unit >= 0x80 && unit != ReplacementCharacter;
    };
    const bool multiByte =
        bytes.find("\xEF\xBF\xBD") != bytes.npos || std::ranges::any_of(utf8, several);
    const bool utf8Wins = multiByte && CountFlaws(utf8) <= CountFlaws(DecodeGbk(bytes));
    Require(mark != Gbk || decoded.Encoding == (utf8Wins ? Utf8 : Gbk),
            "the reading with more flaws was chosen");
    for (size_t i = 0; i <= text.size(); ++i) { // a low half after each high one, and only there
        Require((i > 0 && IsHighSurrogate(text[i - 1])) ==
                    (i < text.size() && IsLowSurrogate(text[i])),
                "a surrogate without its other half");
    }
    Require(decoded.Encoding != Gbk || text == DecodeGbkModel(bytes),
            "GBK decoding differs from the model");
}

// ---------------------------------------------------------------------------------------------
// Parsing

// The records and the calls of one parse, which checks, while the parse runs, that an author
// always belongs to the newest record.
struct Parse final : TangSink {
    std::vector<TangRecord> Tangs;
    std::vector<std::u16string> Rhymes, Authors;

    void AddRhyme(const std::u16string& heading) override { Rhymes.push_back(heading); }
    void AddAuthor(const std::u16string& strAuthor) override {
        Require(!Tangs.empty() && strAuthor == Tangs.back().Author,
                "the author reported is not the newest poem's");
        Authors.push_back(strAuthor);
    }
    void ForgetAll() override { Require(false, "the parser told the sink to forget"); }
};

// The loader against the model on `text`. What any parse must give (no more records than the
// table holds, poems left out only of a full table, one-line fields without line ends, every
// line end in verses and notes a CR LF) holds for the model by its making, so it is checked
// here too.
void CheckParsing(std::u16string_view text) {
    Parse loader, model;
    Require(ParseTangs(text, loader.Tangs, loader) == ParseModel(text, model.Tangs, model),
            "the poems left out differ from the model's");
    const auto fields = [](const TangRecord& r) {
        return std::tie(r.Rhyme, r.Title, r.Author, r.Content, r.Notes);
    };
    Require(std::ranges::equal(loader.Tangs, model.Tangs, {}, fields, fields) &&
                std::tie(loader.Rhymes, loader.Authors) == std::tie(model.Rhymes, model.Authors),
            "the records or the headings and authors reported differ from the model's");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const DecodedAnthology decoded = DecodeAnthology(bytes);
    CheckDecoding(bytes, decoded);
    CheckParsing(decoded.Text);
    // One pass over the lines: the model reads them once, in order, and never goes back to a
    // record once the next poem line has come, so the loader's agreeing with it on the text cut
    // after a line end near its middle, as on the whole, shows that what the first lines built
    // does not depend on the lines after them.
    // (Without such a line end, the cut text is empty.)
    CheckParsing(std::u16string_view(decoded.Text)
                     .substr(0, decoded.Text.find(u'\n', decoded.Text.size() / 2) + 1));
    return 0;
}
