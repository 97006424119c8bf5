#include "Utf16.h"

#include "Unicode.h"

#include <cstdint>

std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian) {
    const size_t units = bytes.size() / 2;
    const auto unitAt = [&](size_t index) {
        const auto first = static_cast<uint8_t>(bytes[2 * index]);
        const auto second = static_cast<uint8_t>(bytes[2 * index + 1]);
        return static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    };
    std::u16string text;
    text.reserve(units + 1);
    for (size_t i = 0; i < units; ++i) {
        const char16_t unit = unitAt(i);
        if (IsHighSurrogate(unit) && i + 1 < units && IsLowSurrogate(unitAt(i + 1))) {
            text += unit;
            text += unitAt(++i);
        } else if (unit == 0 || IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            text += ReplacementCharacter;
        } else {
            text += unit;
        }
    }
    if (bytes.size() % 2 != 0) {
        text += ReplacementCharacter;
    }
    return text;
}
