// The well-formedness check alone: a wrong answer from it is hidden in the decoded text, where
// the character-by-character path makes up for it. Runs natively (SSE2, or the byte-by-byte
// check in the portable build) and in the Windows test program (byte by byte).
#include "GbkCheck.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct Case {
    std::string Bytes;
    bool WellFormed;
};

const Case Cases[] = {
    {"\x81\x80", true},      {"\xFE\x40", true},  {"\xFE\xFE", true},
    {"\x81\x7E", true},      {"\x80", true},      {"\x81\x7F", false},
    {"\x81\x3F", false},     {"\x81\xFF", false}, {"\xFF", false},
    {"\xFE", false},         {"\x81", false},     {std::string(1, '\0'), false},
    {"\x81\x81\x81", false},
};

} // namespace

// Each case at every position across two 64-byte blocks and into the short last one, inside
// ASCII (followed by spaces, which are no trail bytes) and at the very end.
TEST(GbkCheck, CasesAtEveryPositionOfABlock) {
    for (const Case& c : Cases) {
        for (size_t at = 0; at < 140; ++at) {
            const std::string inside = std::string(at, 'a') + c.Bytes + std::string(5, ' ');
            const std::string atEnd = std::string(at, 'a') + c.Bytes;
            EXPECT_EQ(IsWellFormedGbk(inside), c.WellFormed) << "inside, at " << at;
            EXPECT_EQ(IsWellFormedGbk(atEnd), c.WellFormed) << "at the end, at " << at;
            EXPECT_EQ(IsWellFormedGbkBytewise(inside), c.WellFormed) << "at " << at;
        }
    }
}

TEST(GbkCheck, BlockCheckAgreesWithTheBytewiseOneOnGeneratedBytes) {
    // Mostly lead-range bytes, so that long runs of them cross the block edges; the bytes that
    // are invalid everywhere are left to the cases above, or nearly every string would hold one.
    const uint8_t leads[] = {0x81, 0xB0, 0xFE};
    const uint8_t others[] = {0x80, 0x40, 0x7E, 0x7F, 0x3F, 'a'};
    uint32_t state = 2024;
    int wellFormed = 0;
    for (int round = 0; round < 4000; ++round) {
        std::string bytes;
        const size_t length = static_cast<size_t>(round % 200);
        for (size_t i = 0; i < length; ++i) {
            state = state * 1103515245u + 12345u;
            const uint32_t pick = (state >> 16) % 60;
            bytes += static_cast<char>(pick < 54 ? leads[pick % 3] : others[pick % 6]);
        }
        const bool expected = IsWellFormedGbkBytewise(bytes);
        wellFormed += expected ? 1 : 0;
        EXPECT_EQ(IsWellFormedGbk(bytes), expected) << "round " << round;
    }
    EXPECT_GT(wellFormed, 400) << "the generated strings must not be nearly all ill-formed";
}
