// The well-formedness check alone: a wrong answer from it is hidden in the decoded text, where
// the character-by-character path makes up for it.
#include "GbkCheck.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    std::string Bytes;
    bool WellFormed;
};

const Case Cases[] = {
    {"\x81\x80", true},
    {"\xFE\x40", true},
    {"\xFE\xFE", true},
    {"\x81\x7E", true},
    {"\x80", true},
    {"\x81\x81\x81\x40", true},
    {"\x81\x7F", false},
    {"\x81\x3F", false},
    {"\x81\xFF", false},
    {"\xFF", false},
    {"\xFE", false},
    {"\x81", false},
    {std::string(1, '\0'), false},
    {"\x81\x81\x81", false},
    {"\x81\x40\x81", false},
};

} // namespace

// Alone, inside ASCII (followed by a space, which is no trail byte) and after a double-byte
// character, so that a lead byte is paired from where characters really start.
TEST(GbkCheck, WholeCharactersOnlyWhereverTheyStand) {
    for (const Case& c : Cases) {
        SCOPED_TRACE(testing::PrintToString(c.Bytes));
        EXPECT_EQ(IsWellFormedGbk(c.Bytes), c.WellFormed);
        EXPECT_EQ(IsWellFormedGbk("ab" + c.Bytes + " "), c.WellFormed);
        EXPECT_EQ(IsWellFormedGbk("\xB0\xA1" + c.Bytes), c.WellFormed);
    }
    EXPECT_TRUE(IsWellFormedGbk(""));
}
