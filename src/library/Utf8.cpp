#include "AnthologyText.h"

#include "Unicode.h"

#include <cstdint>

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
        const Utf8Sequence sequence = ReadUtf8Sequence(bytes, at);
        if (sequence.Valid) {
            AppendCodePoint(sequence.CodePoint, out);
        } else {
            out += ReplacementCharacter;
        }
        at += sequence.Length;
    }
    return out;
}
