#include "EncodingDetection.h"

#include <cstdint>
#include <cstring>

namespace {

bool IsContinuation(uint8_t b) {
    return (b & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence that starts with the non-ASCII byte at `at`, or 0.
// Overlong forms, surrogates and values beyond U+10FFFF are not well-formed.
size_t Utf8SequenceLength(std::string_view bytes, size_t at) {
    const auto lead = static_cast<uint8_t>(bytes[at]);
    size_t length = 0;
    uint8_t low = 0x80;
    uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (bytes.size() - at < length) {
        return 0;
    }
    const auto second = static_cast<uint8_t>(bytes[at + 1]);
    if (second < low || second > high) {
        return 0;
    }
    for (size_t i = 2; i < length; ++i) {
        if (!IsContinuation(static_cast<uint8_t>(bytes[at + i]))) {
            return 0;
        }
    }
    return length;
}

// Valid UTF-8 with at least one multi-byte sequence. GBK text fails within its first few
// non-ASCII bytes, so the whole file is scanned only when it is ASCII or UTF-8; runs of ASCII
// are skipped eight bytes at a time.
bool IsMultiByteUtf8(std::string_view bytes) {
    constexpr uint64_t HighBits = 0x8080808080808080;
    bool multiByte = false;
    size_t at = 0;
    while (at < bytes.size()) {
        if (bytes.size() - at >= 8) {
            uint64_t block = 0;
            std::memcpy(&block, bytes.data() + at, 8);
            if ((block & HighBits) == 0) {
                at += 8;
                continue;
            }
        }
        if (static_cast<uint8_t>(bytes[at]) < 0x80) {
            ++at;
            continue;
        }
        const size_t length = Utf8SequenceLength(bytes, at);
        if (length == 0) {
            return false;
        }
        multiByte = true;
        at += length;
    }
    return multiByte;
}

} // namespace

AnthologyEncoding DetectAnthologyEncoding(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        return AnthologyEncoding::Utf8WithMark;
    }
    if (bytes.starts_with("\xFF\xFE")) {
        return AnthologyEncoding::Utf16Le;
    }
    if (bytes.starts_with("\xFE\xFF")) {
        return AnthologyEncoding::Utf16Be;
    }
    return IsMultiByteUtf8(bytes) ? AnthologyEncoding::Utf8 : AnthologyEncoding::Gbk;
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
