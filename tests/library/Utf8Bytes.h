#pragma once

#include <string>
#include <string_view>

// `text` in UTF-8, built here rather than by the decoders under test.
inline std::string Utf8Bytes(std::u16string_view text) {
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        // The bytes after the first each carry six bits; the first marks how many follow.
        const int following = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        const unsigned marker = following == 0 ? 0 : (0xFF00u >> (following + 1)) & 0xFF;
        bytes += static_cast<char>(marker | (c >> (6 * following)));
        for (int shift = 6 * (following - 1); shift >= 0; shift -= 6) {
            bytes += static_cast<char>(0x80 | ((c >> shift) & 0x3F));
        }
    }
    return bytes;
}
