#include "GbkCheck.h"

#include <cstdint>

namespace {

bool IsGbkLeadByte(uint8_t b) {
    return b >= 0x81 && b <= 0xFE;
}
bool IsGbkTrailByte(uint8_t b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFE);
}

} // namespace

// Whether the code page actually defines the character is left to the strict decoder.
size_t GbkCharacterLength(std::string_view bytes, size_t at) {
    const auto b = static_cast<uint8_t>(bytes[at]);
    if (b != 0 && b <= 0x80) {
        return 1; // ASCII, or the single-byte euro sign of code page 936
    }
    if (IsGbkLeadByte(b) && at + 1 < bytes.size() &&
        IsGbkTrailByte(static_cast<uint8_t>(bytes[at + 1]))) {
        return 2;
    }
    return 0;
}

bool IsWellFormedGbk(std::string_view bytes) {
    for (size_t at = 0; at < bytes.size();) {
        const size_t length = GbkCharacterLength(bytes, at);
        if (length == 0) {
            return false;
        }
        at += length;
    }
    return true;
}
