#include "EncodingDetection.h"

#include "GbkCheck.h"
#include "Unicode.h"

#include <cstdint>
#include <cstring>

AnthologyEncoding EncodingByMark(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        return AnthologyEncoding::Utf8WithMark;
    }
    if (bytes.starts_with("\xFF\xFE")) {
        return AnthologyEncoding::Utf16Le;
    }
    if (bytes.starts_with("\xFE\xFF")) {
        return AnthologyEncoding::Utf16Be;
    }
    return AnthologyEncoding::Gbk;
}

size_t ByteOrderMarkLength(AnthologyEncoding encoding) {
    switch (encoding) {
    case AnthologyEncoding::Utf8WithMark:
        return 3;
    case AnthologyEncoding::Utf16Le:
    case AnthologyEncoding::Utf16Be:
        return 2;
    case AnthologyEncoding::Gbk:
    case AnthologyEncoding::Utf8:
        break;
    }
    return 0;
}

bool IsForeignToChineseText(char32_t c) {
    if (c >= 0x4E00 && c <= 0x9FFF) {
        return false; // the common case first
    }
    const bool chinese = c < 0x80 || c == 0xB7 ||        // ASCII, the middle dot of names
                         (c >= 0x2000 && c <= 0x206F) || // “”‘’…—
                         (c >= 0x2E80 && c <= 0x9FFF) || // radicals, 。、《》, kana, ideographs
                         (c >= 0xF900 && c <= 0xFAFF) || // compatibility ideographs
                         (c >= 0xFE30 && c <= 0xFE4F) || // vertical forms
                         (c >= 0xFF00 && c <= 0xFFEF) || // full-width forms: ，：！？
                         (c >= 0x10000 && c <= 0x10FFFF);
    return !chinese;
}

// Runs of ASCII are skipped eight bytes at a time: GBK text fails within its first few
// non-ASCII bytes, so only ASCII and UTF-8 files are read to their end.
Utf8Reading ReadAsUtf8(std::string_view bytes, size_t limit) {
    constexpr uint64_t HighBits = 0x8080808080808080;
    constexpr uint64_t LowBits = 0x0101010101010101;
    Utf8Reading reading;
    size_t at = 0;
    while (at < bytes.size() && reading.Flaws <= limit) {
        if (bytes.size() - at >= 8) {
            uint64_t block = 0;
            std::memcpy(&block, bytes.data() + at, 8);
            const uint64_t zeroBytes = (block - LowBits) & ~block & HighBits; // NUL or high bit
            if ((block & HighBits) == 0 && zeroBytes == 0) {
                at += 8;
                continue;
            }
        }
        const auto lead = static_cast<uint8_t>(bytes[at]);
        if (lead < 0x80) {
            reading.Flaws += lead == 0 ? 1 : 0; // NUL becomes U+FFFD
            ++at;
            continue;
        }
        const Utf8Sequence sequence = ReadUtf8Sequence(bytes, at);
        if (!sequence.Valid || IsForeignToChineseText(sequence.CodePoint)) {
            ++reading.Flaws;
        }
        reading.MultiByte += sequence.Valid ? 1 : 0;
        at += sequence.Length;
    }
    return reading;
}

size_t CountIllFormedGbk(std::string_view bytes) {
    size_t illFormed = 0;
    for (size_t at = 0; at < bytes.size();) {
        const size_t length = GbkCharacterLength(bytes, at);
        illFormed += length == 0 ? 1 : 0;
        at += length == 0 ? 1 : length;
    }
    return illFormed;
}

size_t CountFlaws(std::u16string_view text) {
    size_t flaws = 0;
    for (const char16_t unit : text) {
        // Surrogates come in pairs here, for characters beyond the Basic Multilingual Plane.
        flaws += !IsHighSurrogate(unit) && !IsLowSurrogate(unit) &&
                         (unit == ReplacementCharacter || IsForeignToChineseText(unit))
                     ? 1
                     : 0;
    }
    return flaws;
}
