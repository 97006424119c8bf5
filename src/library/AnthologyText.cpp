#include "AnthologyText.h"

#include "CodePage936.h"

#include <cstdint>

namespace {

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

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

} // namespace

std::u16string DecodeGbk(std::string_view bytes) {
    CodePage936Decoder decoder;
    std::u16string text;
    // A well-formed file, the usual case, converts in a single call.
    if (IsWellFormedGbk(bytes) && decoder.AppendStrict(bytes, text)) {
        return text;
    }
    // Otherwise line by line, so that one bad byte costs only its own line the fast path.
    // LF never occurs inside a GBK double-byte character.
    text.reserve(bytes.size());
    size_t lineStart = 0;
    while (lineStart < bytes.size()) {
        size_t lineEnd = bytes.find('\n', lineStart);
        lineEnd = lineEnd == std::string_view::npos ? bytes.size() : lineEnd + 1;
        const std::string_view line = bytes.substr(lineStart, lineEnd - lineStart);
        if (!IsWellFormedGbk(line) || !decoder.AppendStrict(line, text)) {
            AppendGbkWithReplacements(decoder, line, text);
        }
        lineStart = lineEnd;
    }
    return text;
}

std::u16string DecodeAnthologyBytes(std::string_view bytes) {
    if (bytes.starts_with(Utf8ByteOrderMark)) {
        return DecodeUtf8(bytes.substr(Utf8ByteOrderMark.size()));
    }
    return DecodeGbk(bytes);
}
