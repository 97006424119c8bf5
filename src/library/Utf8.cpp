#include "AnthologyText.h"

#include <cstdint>

namespace {

bool IsContinuation(uint8_t b) {
    return (b & 0xC0) == 0x80;
}

void AppendCodePoint(char32_t cp, std::u16string& out) {
    if (cp < 0x10000) {
        out += static_cast<char16_t>(cp);
    } else {
        cp -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (cp >> 10));
        out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
}

} // namespace

// Decodes UTF-8; each maximal ill-formed subsequence becomes one U+FFFD, as Unicode recommends,
// and so does each NUL.
std::u16string DecodeUtf8(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    size_t at = 0;
    while (at < bytes.size()) {
        const auto lead = static_cast<uint8_t>(bytes[at]);
        if (lead < 0x80) {
            // NUL is no character of the text: it would cut a field short wherever a
            // terminated string is expected.
            out += lead == 0 ? ReplacementCharacter : static_cast<char16_t>(lead);
            ++at;
            continue;
        }
        int length = 0;
        char32_t cp = 0;
        uint8_t low = 0x80;  // allowed range of the second byte, to refuse overlong forms
        uint8_t high = 0xBF; // and surrogates or values beyond U+10FFFF
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            cp = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            cp = lead & 0x0F;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            cp = lead & 0x07;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            out += ReplacementCharacter;
            ++at;
            continue;
        }
        size_t next = at + 1;
        bool complete = true;
        for (int i = 1; i < length; ++i, ++next) {
            if (next >= bytes.size()) {
                complete = false;
                break;
            }
            const auto b = static_cast<uint8_t>(bytes[next]);
            const bool inRange = i == 1 ? (b >= low && b <= high) : IsContinuation(b);
            if (!inRange) {
                complete = false;
                break;
            }
            cp = (cp << 6) | (b & 0x3F);
        }
        if (complete) {
            AppendCodePoint(cp, out);
        } else {
            out += ReplacementCharacter;
        }
        at = next;
    }
    return out;
}
