// Feeds arbitrary bytes through the loader's decoding and parsing and checks what must hold for
// any file: the decoder against a character-by-character model, the parser against a plain
// restatement of the line rules, and the properties the rest of the program relies on.
#include "AnthologyText.h"
#include "CodePage936.h"
#include "EncodingDetection.h"
#include "Unicode.h"
#include "Module1.h"
#include "ParseModel.h"
#include "TangLoader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "loader invariant broken: %s\n", what);
        std::abort();
    }
}

// ---------------------------------------------------------------------------------------------
// Decoding

bool IsTrailByte(uint8_t b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFE);
}

// What the code page makes of each one- and two-byte sequence on its own, asked once.
class CodePage936Table {
public:
    CodePage936Table() {
        CodePage936Decoder decoder;
        for (unsigned first = 0; first < 256; ++first) {
            for (unsigned second = 0; second < 257; ++second) {
                std::string bytes(1, static_cast<char>(first));
                if (second < 256) {
                    bytes += static_cast<char>(second);
                }
                std::u16string unit;
                if (decoder.AppendStrict(bytes, unit) && unit.size() == 1) {
                    units_[first * 257 + second] = unit.front();
                }
            }
        }
    }

    // The character of the byte `first` alone, or of `first` and `second`; U+FFFD for none.
    char16_t Single(uint8_t first) const { return units_[first * 257u + 256u]; }
    char16_t Double(uint8_t first, uint8_t second) const { return units_[first * 257u + second]; }

private:
    std::vector<char16_t> units_ = std::vector<char16_t>(256 * 257, ReplacementCharacter);
};

// GBK as the reader defines it, one character at a time: a byte from 0x01 to 0x80 is a
// character of its own, a lead byte with a trail byte after it is one of two bytes (every such
// pair is a character of the code page, the private-use ones included), and every other byte,
// NUL included, becomes one U+FFFD. The code page is stateless, so this is what converting
// whole lines or the whole file must give.
std::u16string DecodeGbkModel(std::string_view bytes) {
    static const CodePage936Table table;
    std::u16string out;
    out.reserve(bytes.size());
    for (size_t at = 0; at < bytes.size();) {
        const auto b = static_cast<uint8_t>(bytes[at]);
        if (b == 0) {
            out += ReplacementCharacter;
            at += 1;
        } else if (b <= 0x80) {
            out += table.Single(b);
            at += 1;
        } else if (b != 0xFF && at + 1 < bytes.size() &&
                   IsTrailByte(static_cast<uint8_t>(bytes[at + 1]))) {
            out += table.Double(b, static_cast<uint8_t>(bytes[at + 1]));
            Require(out.back() != ReplacementCharacter, "a well-formed GBK pair was not read");
            at += 2;
        } else {
            out += ReplacementCharacter;
            at += 1;
        }
    }
    return out;
}

// Without a mark, the reading chosen is the one with fewer flaws, UTF-8 on a tie when it holds
// a character of several bytes.
void CheckChoice(std::string_view bytes, AnthologyEncoding chosen) {
    const std::u16string utf8 = DecodeUtf8(bytes);
    const size_t utf8Flaws = CountFlaws(utf8);
    const size_t gbkFlaws = CountFlaws(DecodeGbk(bytes));
    bool multiByte = false;
    for (size_t at = 0; at < bytes.size() && !multiByte;) {
        const Utf8Sequence sequence =
            static_cast<uint8_t>(bytes[at]) < 0x80 ? Utf8Sequence{} : ReadUtf8Sequence(bytes, at);
        multiByte = sequence.Valid;
        at += sequence.Length;
    }
    const bool utf8Wins = multiByte && utf8Flaws <= gbkFlaws;
    Require(chosen == (utf8Wins ? AnthologyEncoding::Utf8 : AnthologyEncoding::Gbk),
            "the reading with more flaws was chosen");
}

void CheckDecoding(std::string_view bytes, const DecodedAnthology& decoded) {
    const std::u16string& text = decoded.Text;
    const AnthologyEncoding encoding = decoded.Encoding;
    Require(encoding == EncodingByMark(bytes) || EncodingByMark(bytes) == AnthologyEncoding::Gbk,
            "a byte-order mark was not followed");
    const bool utf16 =
        encoding == AnthologyEncoding::Utf16Le || encoding == AnthologyEncoding::Utf16Be;
    const size_t payload = bytes.size() - ByteOrderMarkLength(encoding);
    Require(text.size() <= (utf16 ? (payload + 1) / 2 : payload), "more UTF-16 units than bytes");
    Require(utf16 || static_cast<size_t>(std::count(text.begin(), text.end(), u'\n')) ==
                         static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')),
            "a line feed was lost or made up");
    if (EncodingByMark(bytes) == AnthologyEncoding::Gbk) {
        CheckChoice(bytes, encoding);
    }
    for (size_t i = 0; i < text.size(); ++i) {
        if (IsHigh(text[i])) {
            Require(i + 1 < text.size() && IsLow(text[i + 1]),
                    "high surrogate without its low half");
            ++i;
        } else {
            Require(!IsLow(text[i]), "low surrogate without its high half");
        }
    }
    if (encoding == AnthologyEncoding::Gbk) {
        Require(text == DecodeGbkModel(bytes), "GBK decoding differs from the model");
    }
}

// ---------------------------------------------------------------------------------------------
// Parsing

// Records the calls and checks, while the loader runs, that an author always belongs to the
// newest record.
class CheckingSink final : public TangSink {
public:
    explicit CheckingSink(const std::vector<TangRecord>& tangs) : tangs_(tangs) {}

    void AddRhyme(const std::u16string& heading) override { Calls.Rhymes.push_back(heading); }
    void AddAuthor(const std::u16string& strAuthor) override {
        Require(!tangs_.empty(), "author reported before any poem");
        Require(strAuthor == tangs_.back().Author, "author reported is not the newest poem's");
        Calls.Authors.push_back(strAuthor);
    }
    void ForgetAll() override { Require(false, "the parser told the sink to forget"); }

    SinkCalls Calls;

private:
    const std::vector<TangRecord>& tangs_;
};

Parsed Parse(std::u16string_view text) {
    Parsed parsed;
    CheckingSink sink(parsed.Tangs);
    parsed.LeftOut = ParseTangs(text, parsed.Tangs, sink);
    parsed.Calls = std::move(sink.Calls);
    return parsed;
}

bool SameRecord(const TangRecord& a, const TangRecord& b) {
    return a.Rhyme == b.Rhyme && a.Title == b.Title && a.Author == b.Author &&
           a.Content == b.Content && a.Notes == b.Notes;
}

// The loader against the model on `text`. What any parse must give (no more records than the
// table holds, poems left out only of a full table, one-line fields without line ends, every
// line end in verses and notes a CR LF) holds for the model by its making, so it is checked
// here too.
void CheckParsing(std::u16string_view text) {
    const Parsed full = Parse(text);
    const Parsed model = ParseModel(text);
    Require(full.Tangs.size() == model.Tangs.size(), "record count differs from the model");
    for (size_t i = 0; i < full.Tangs.size(); ++i) {
        Require(SameRecord(full.Tangs[i], model.Tangs[i]), "a record differs from the model");
    }
    Require(full.Calls.Rhymes == model.Calls.Rhymes, "headings reported differ from the model");
    Require(full.Calls.Authors == model.Calls.Authors, "authors reported differ from the model");
    Require(full.LeftOut == model.LeftOut, "poems left out differ from the model");
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
    const size_t cut = decoded.Text.find(u'\n', decoded.Text.size() / 2);
    if (cut != std::u16string::npos) {
        CheckParsing(std::u16string_view(decoded.Text).substr(0, cut + 1));
    }
    return 0;
}
