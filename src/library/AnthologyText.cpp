#include "AnthologyText.h"

#include "CodePage936.h"
#include "EncodingDetection.h"
#include "Utf16.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The strict decoder first makes room for one unit per byte it is given, and fills that room.
// Given the whole file, that writes twice the file's size of memory, most of it never used;
// given pieces of about this size, each ending at a line end, it touches little more than the
// text needs, and the bytes are still in the cache when the converter reads them.
constexpr size_t PieceBytes = 64 * 1024;

bool IsGbkLeadByte(uint8_t b) {
    return b >= 0x81 && b <= 0xFE;
}
bool IsGbkTrailByte(uint8_t b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFE);
}

// Length of the GBK character that starts at `at`, or 0 when the byte there starts none.
// Whether the code page actually defines the character is left to the strict decoder.
size_t GbkCharacterLength(std::string_view bytes, size_t at) {
    const auto b = static_cast<uint8_t>(bytes[at]);
    if (b < 0x80 || b == 0x80) {
        return 1; // ASCII, or the single-byte euro sign of code page 936
    }
    if (IsGbkLeadByte(b) && at + 1 < bytes.size() &&
        IsGbkTrailByte(static_cast<uint8_t>(bytes[at + 1]))) {
        return 2;
    }
    return 0;
}

bool IsWellFormedGbkBytewise(std::string_view bytes) {
    for (size_t at = 0; at < bytes.size();) {
        const size_t length = GbkCharacterLength(bytes, at);
        if (length == 0) {
            return false;
        }
        at += length;
    }
    return true;
}

#if defined(__SSE2__)

// Bit i of each mask stands for byte i of a block of 64.
struct GbkByteClasses {
    uint64_t Lead = 0;     // 0x81..0xFE: a lead byte wherever a character starts
    uint64_t NotTrail = 0; // 0x00..0x3F, 0x7F, 0xFF: never the second byte of a character
    uint64_t Invalid = 0;  // 0xFF: nowhere valid
};

GbkByteClasses ClassifyBlock(const uint8_t* block) {
    const __m128i flip = _mm_set1_epi8(static_cast<char>(0x80));
    GbkByteClasses classes;
    for (size_t part = 0; part < 4; ++part) {
        const __m128i raw = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + part * 16));
        // With the top bit flipped, a signed comparison sorts the byte ranges in one step:
        // 0x00..0x7F become -128..-1 and 0x80..0xFF become 0..127.
        const __m128i x = _mm_xor_si128(raw, flip);
        const __m128i lead = _mm_and_si128(_mm_cmpgt_epi8(x, _mm_setzero_si128()),
                                           _mm_cmplt_epi8(x, _mm_set1_epi8(127)));
        const __m128i invalid = _mm_cmpeq_epi8(x, _mm_set1_epi8(127));
        const __m128i notTrail =
            _mm_or_si128(_mm_or_si128(_mm_cmplt_epi8(x, _mm_set1_epi8(-64)), invalid),
                         _mm_cmpeq_epi8(x, _mm_set1_epi8(-1)));
        const auto shift = static_cast<int>(part * 16);
        classes.Lead |= static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(lead)))
                        << shift;
        classes.NotTrail |=
            static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(notTrail))) << shift;
        classes.Invalid |= static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(invalid)))
                           << shift;
    }
    return classes;
}

// Sixty-four bytes at a time, without a branch per character. Every run of lead-range bytes
// starts at a character boundary (the byte before it is a single-byte character or a trail
// byte), and within the run the bytes pair up from its start; so the trail positions follow
// from where each run starts and how long it is, found with one addition for the whole block.
bool IsWellFormedGbk(std::string_view bytes) {
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    const size_t size = bytes.size();
    constexpr uint64_t EvenBits = 0x5555555555555555;
    uint64_t trailCarried = 0; // 1 when the first byte of the block completes the last one's
    uint64_t faults = 0;
    for (size_t at = 0; at < size; at += 64) {
        GbkByteClasses classes;
        if (size - at >= 64) {
            classes = ClassifyBlock(data + at);
        } else {
            // The short last block is padded with NUL bytes, which are never trail bytes, so
            // a lead byte at the very end shows as a fault.
            uint8_t block[64] = {};
            std::memcpy(block, data + at, size - at);
            classes = ClassifyBlock(block);
        }
        const uint64_t leads = classes.Lead & ~trailCarried;
        const uint64_t afterLead = (leads << 1) | trailCarried;
        const uint64_t oddStarts = leads & ~EvenBits & ~afterLead;
        const uint64_t rippled = oddStarts + leads;
        const uint64_t carryOut = rippled < oddStarts ? 1 : 0;
        const uint64_t trails = (EvenBits ^ (rippled << 1)) & afterLead;
        faults |= classes.Invalid | (trails & classes.NotTrail);
        trailCarried = carryOut;
    }
    return faults == 0 && trailCarried == 0;
}

#else

bool IsWellFormedGbk(std::string_view bytes) {
    return IsWellFormedGbkBytewise(bytes);
}

#endif

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
        if (!IsWellFormedGbkBytewise(line) || !decoder.AppendStrict(line, out)) {
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
