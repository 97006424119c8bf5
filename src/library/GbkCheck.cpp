#include "GbkCheck.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__) && !defined(TANG_PORTABLE_ONLY)
#include <emmintrin.h>
#endif

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

bool IsWellFormedGbkBytewise(std::string_view bytes) {
    for (size_t at = 0; at < bytes.size();) {
        const size_t length = GbkCharacterLength(bytes, at);
        if (length == 0) {
            return false;
        }
        at += length;
    }
    return true;
}

#if defined(__SSE2__) && !defined(TANG_PORTABLE_ONLY)

namespace {

// Bit i of each mask stands for byte i of a block of 64.
struct GbkByteClasses {
    uint64_t Lead = 0;     // 0x81..0xFE: a lead byte wherever a character starts
    uint64_t NotTrail = 0; // 0x00..0x3F, 0x7F, 0xFF: never the second byte of a character
    uint64_t Invalid = 0;  // 0x00 and 0xFF: nowhere valid
};

GbkByteClasses ClassifyBlock(const uint8_t* block) {
    const __m128i flip = _mm_set1_epi8(static_cast<char>(0x80));
    GbkByteClasses classes;
    for (size_t part = 0; part < 4; ++part) {
        const __m128i raw = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + part * 16));
        // With the top bit flipped, a signed comparison sorts the byte ranges in one step:
        // 0x00..0x7F become -128..-1 and 0x80..0xFF become 0..127.
        const __m128i x = _mm_xor_si128(raw, flip);
        const __m128i lead = _mm_and_si128(_mm_cmpgt_epi8(x, _mm_setzero_si128()),
                                           _mm_cmplt_epi8(x, _mm_set1_epi8(127)));
        const __m128i invalid = _mm_or_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8(127)),
                                             _mm_cmpeq_epi8(x, _mm_set1_epi8(-128)));
        const __m128i notTrail =
            _mm_or_si128(_mm_or_si128(_mm_cmplt_epi8(x, _mm_set1_epi8(-64)), invalid),
                         _mm_cmpeq_epi8(x, _mm_set1_epi8(-1)));
        const auto shift = static_cast<int>(part * 16);
        classes.Lead |= static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(lead)))
                        << shift;
        classes.NotTrail |=
            static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(notTrail))) << shift;
        classes.Invalid |= static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(invalid)))
                           << shift;
    }
    return classes;
}

} // namespace

// Sixty-four bytes at a time, without a branch per character. Every run of lead-range bytes
// starts at a character boundary (the byte before it is a single-byte character or a trail
// byte), and within the run the bytes pair up from its start; so the trail positions follow
// from where each run starts and how long it is, found with one addition for the whole block.
bool IsWellFormedGbk(std::string_view bytes) {
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    const size_t size = bytes.size();
    constexpr uint64_t EvenBits = 0x5555555555555555;
    uint64_t trailCarried = 0; // 1 when the first byte of the block completes the last one's
    uint64_t faults = 0;
    for (size_t at = 0; at < size; at += 64) {
        GbkByteClasses classes;
        if (size - at >= 64) {
            classes = ClassifyBlock(data + at);
        } else {
            // The short last block is padded with spaces: valid alone, never trail bytes, so
            // a lead byte at the very end shows as a fault.
            uint8_t block[64];
            std::memset(block, ' ', sizeof block);
            std::memcpy(block, data + at, size - at);
            classes = ClassifyBlock(block);
        }
        const uint64_t leads = classes.Lead & ~trailCarried;
        const uint64_t afterLead = (leads << 1) | trailCarried;
        const uint64_t oddStarts = leads & ~EvenBits & ~afterLead;
        const uint64_t rippled = oddStarts + leads;
        const uint64_t carryOut = rippled < oddStarts ? 1 : 0;
        const uint64_t trails = (EvenBits ^ (rippled << 1)) & afterLead;
        faults |= classes.Invalid | (trails & classes.NotTrail);
        trailCarried = carryOut;
    }
    return faults == 0 && trailCarried == 0;
}

#else

bool IsWellFormedGbk(std::string_view bytes) {
    return IsWellFormedGbkBytewise(bytes);
}

#endif
