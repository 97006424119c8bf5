#include "AnthologyText.h"

#include "CodePage936.h"
#include "EncodingDetection.h"
#include "GbkCheck.h"
#include "Unicode.h"
#include "Utf16.h"

#include <algorithm>

namespace {

// The strict decoder first makes room for one unit per byte it is given, and fills that room.
// Given the whole file, that writes twice the file's size of memory, most of it never used;
// given pieces of about this size, each ending at a line end, it touches little more than the
// text needs, and the bytes are still in the cache when the converter reads them.
constexpr size_t PieceBytes = 64 * 1024;

// Slow path for a stretch that holds an invalid sequence: one character at a time.
void AppendGbkWithReplacements(CodePage936Decoder& decoder, std::string_view bytes,
                               std::u16string& out) {
    for (size_t at = 0; at < bytes.size();) {
        const size_t length = GbkCharacterLength(bytes, at);
        if (length == 0 || !decoder.AppendStrict(bytes.substr(at, length), out)) {
            out += ReplacementCharacter;
        }
        at += length == 0 ? 1 : length;
    }
}

// Line by line, so that one bad byte costs only its own line the fast path.
void AppendGbkLines(CodePage936Decoder& decoder, std::string_view bytes, std::u16string& out) {
    size_t lineStart = 0;
    while (lineStart < bytes.size()) {
        size_t lineEnd = bytes.find('\n', lineStart);
        lineEnd = lineEnd == std::string_view::npos ? bytes.size() : lineEnd + 1;
        const std::string_view line = bytes.substr(lineStart, lineEnd - lineStart);
        if (!IsWellFormedGbk(line) || !decoder.AppendStrict(line, out)) {
            AppendGbkWithReplacements(decoder, line, out);
        }
        lineStart = lineEnd;
    }
}

} // namespace

std::u16string DecodeGbk(std::string_view bytes) {
    CodePage936Decoder decoder;
    std::u16string text;
    // A GBK character never gives more than one unit per byte, so the text never moves while
    // it grows; the pages of the reserve that stay unused are never touched.
    text.reserve(bytes.size());
    // LF never occurs inside a GBK double-byte character, so a piece that ends at one converts
    // on its own exactly as it would within the whole file.
    size_t pieceStart = 0;
    while (pieceStart < bytes.size()) {
        size_t pieceEnd = bytes.size();
        if (bytes.size() - pieceStart > PieceBytes) {
            const size_t lineEnd = bytes.find('\n', pieceStart + PieceBytes - 1);
            pieceEnd = lineEnd == std::string_view::npos ? bytes.size() : lineEnd + 1;
        }
        const std::string_view piece = bytes.substr(pieceStart, pieceEnd - pieceStart);
        if (!IsWellFormedGbk(piece) || !decoder.AppendStrict(piece, text)) {
            AppendGbkLines(decoder, piece, text);
        }
        pieceStart = pieceEnd;
    }
    return text;
}

namespace {

// More characters of several bytes than GBK text ever forms as UTF-8 before its first flaw.
constexpr size_t ClearlyUtf8 = 16;

// The reading with fewer flaws; on a tie UTF-8 when it holds a character of several bytes (GBK
// text is practically never such UTF-8), else GBK, which reads plain ASCII the same. Each count
// stops as soon as its reading has lost. A GBK file shows its first UTF-8 flaw within its
// first few non-ASCII bytes and is decoded once, as GBK; a UTF-8 file with a flaw deep inside
// is compared by the ill-formed sequences of its GBK reading first, and decoded once, as
// UTF-8, without the slow GBK decoding of text that is not GBK.
DecodedAnthology DecodeUtf8OrGbk(std::string_view bytes) {
    const Utf8Reading prefix = ReadAsUtf8(bytes, 0);
    if (prefix.Flaws == 0) {
        return prefix.MultiByte > 0 ? DecodedAnthology{DecodeUtf8(bytes), AnthologyEncoding::Utf8}
                                    : DecodedAnthology{DecodeGbk(bytes), AnthologyEncoding::Gbk};
    }
    if (prefix.MultiByte >= ClearlyUtf8) {
        const size_t illFormedGbk = CountIllFormedGbk(bytes);
        if (ReadAsUtf8(bytes, illFormedGbk).Flaws <= illFormedGbk) {
            return {DecodeUtf8(bytes), AnthologyEncoding::Utf8};
        }
    }
    DecodedAnthology gbk{DecodeGbk(bytes), AnthologyEncoding::Gbk};
    const size_t gbkFlaws = CountFlaws(gbk.Text);
    const Utf8Reading utf8 = ReadAsUtf8(bytes, gbkFlaws);
    if (utf8.MultiByte > 0 && utf8.Flaws <= gbkFlaws) {
        gbk = {}; // freed before the other text is made
        return {DecodeUtf8(bytes), AnthologyEncoding::Utf8};
    }
    return gbk;
}

} // namespace

DecodedAnthology DecodeAnthology(std::string_view bytes) {
    const AnthologyEncoding mark = EncodingByMark(bytes);
    const std::string_view payload = bytes.substr(ByteOrderMarkLength(mark));
    switch (mark) {
    case AnthologyEncoding::Utf8WithMark:
        return {DecodeUtf8(payload), mark};
    case AnthologyEncoding::Utf16Le:
    case AnthologyEncoding::Utf16Be:
        return {DecodeUtf16(payload, mark == AnthologyEncoding::Utf16Be), mark};
    case AnthologyEncoding::Gbk:
    case AnthologyEncoding::Utf8:
        break;
    }
    return DecodeUtf8OrGbk(payload);
}

std::u16string DecodeAnthologyBytes(std::string_view bytes) {
    return DecodeAnthology(bytes).Text;
}
