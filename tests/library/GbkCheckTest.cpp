// The well-formedness check alone: a wrong answer from it is hidden in the decoded text, where
// the character-by-character path makes up for it.
#include "GbkCheck.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

// Alone, inside ASCII (followed by a space, which is no trail byte) and after a double-byte
// character, so that a lead byte is paired from where characters really start.
TEST(GbkCheck, WholeCharactersOnlyWhereverTheyStand) {
    const auto expect = [](const std::string& bytes, bool wellFormed) {
        SCOPED_TRACE(testing::PrintToString(bytes));
        EXPECT_EQ(IsWellFormedGbk(bytes), wellFormed);
        EXPECT_EQ(IsWellFormedGbk("ab" + bytes + " "), wellFormed);
        EXPECT_EQ(IsWellFormedGbk("\xB0\xA1" + bytes), wellFormed);
    };
    for (const std::string& bytes :
         {""s, "\x81\x80"s, "\xFE\x40"s, "\xFE\xFE"s, "\x81\x7E"s, "\x80"s, "\x81\x81\x81\x40"s}) {
        expect(bytes, true);
    }
    for (const std::string& bytes : {"\x81\x7F"s, "\x81\x3F"s, "\x81\xFF"s, "\xFF"s, "\xFE"s,
                                     "\x81"s, "\0"s, "\x81\x81\x81"s, "\x81\x40\x81"s}) {
        expect(bytes, false);
    }
}
