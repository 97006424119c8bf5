#include "AnthologyText.h"

#include "CodePage936.h"
#include "EncodingDetection.h"
#include "GbkCheck.h"
#include "Utf16.h"

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

std::u16string DecodeAnthologyBytes(std::string_view bytes) {
    const AnthologyEncoding encoding = DetectAnthologyEncoding(bytes);
    const std::string_view payload = bytes.substr(ByteOrderMarkLength(encoding));
    switch (encoding) {
    case AnthologyEncoding::Utf8:
    case AnthologyEncoding::Utf8WithMark:
        return DecodeUtf8(payload);
    case AnthologyEncoding::Utf16Le:
        return DecodeUtf16(payload, false);
    case AnthologyEncoding::Utf16Be:
        return DecodeUtf16(payload, true);
    case AnthologyEncoding::Gbk:
        break;
    }
    return DecodeGbk(payload);
}
