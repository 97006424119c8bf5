#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The rules of Unicode the decoders share: what stands in for what cannot be read, how a
// character outside the Basic Multilingual Plane is split into two UTF-16 units, and which
// UTF-8 byte sequences are characters.

inline constexpr char16_t ReplacementCharacter = u'\uFFFD';

// The two halves of a character outside the Basic Multilingual Plane.
constexpr bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

inline void AppendCodePoint(char32_t codePoint, std::u16string& out) {
    if (codePoint < 0x10000) {
        out += static_cast<char16_t>(codePoint);
        return;
    }
    codePoint -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (codePoint >> 10));
    out += static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF));
}

// One step through UTF-8 text at a byte of 0x80 or above: either a whole, well-formed sequence
// and its character, or the longest start of one that cannot be completed (at least the first
// byte), which Unicode recommends replacing by a single U+FFFD.
struct Utf8Sequence {
    size_t Length = 1;
    char32_t CodePoint = 0;
    bool Valid = false;
};

constexpr Utf8Sequence ReadUtf8Sequence(std::string_view bytes, size_t at) {
    const auto lead = static_cast<uint8_t>(bytes[at]);
    size_t length = 0;
    char32_t codePoint = 0;
    // The allowed range of the second byte refuses overlong forms, surrogates and values
    // beyond U+10FFFF; every later byte is a plain continuation byte.
    uint8_t low = 0x80;
    uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {};
    }
    for (size_t i = 1; i < length; ++i) {
        if (at + i >= bytes.size()) {
            return {i, 0, false};
        }
        const auto b = static_cast<uint8_t>(bytes[at + i]);
        if (i == 1 ? (b < low || b > high) : (b & 0xC0) != 0x80) {
            return {i, 0, false};
        }
        codePoint = (codePoint << 6) | (b & 0x3F);
    }
    return {length, codePoint, true};
}
