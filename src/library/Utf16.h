#pragma once

#include <string>
#include <string_view>

// The two halves of a character outside the Basic Multilingual Plane.
constexpr bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Decodes UTF-16 bytes that follow a byte-order mark. An unpaired surrogate, an odd last byte
// and U+0000 each become one U+FFFD, so that the text holds only whole characters and no unit
// that would end a terminated string early.
std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian);
