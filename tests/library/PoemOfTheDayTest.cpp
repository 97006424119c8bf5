#include "PoemOfTheDay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

TEST(PoemOfTheDay, DaysAreCountedFromTheFirstOfJanuary1970) {
    EXPECT_EQ(DayNumber(1970, 1, 1), 0);
    EXPECT_EQ(DayNumber(1969, 12, 31), -1);
    EXPECT_EQ(DayNumber(2000, 3, 1) - DayNumber(2000, 2, 28), 2) << "2000 was a leap year";
    EXPECT_EQ(DayNumber(2100, 3, 1) - DayNumber(2100, 2, 28), 1) << "2100 will not be";
    EXPECT_EQ(DayNumber(2026, 12, 8), 20795);
}

// Any run of `count` days, also one across the start of a cycle or before 1970, gives every
// poem once; the next day gives another poem.
TEST(PoemOfTheDay, EveryPoemHasItsDayBeforeAnyComesAgain) {
    EXPECT_EQ(PoemOfTheDay(20795, 0), -1);
    EXPECT_EQ(PoemOfTheDay(20795, 1), 0);
    for (const int count : {2, 3, 320, 1000, 32767}) {
        for (const int64_t first : {int64_t{0}, int64_t{20795}, int64_t{-5}, int64_t{count - 1}}) {
            std::vector<int> days(static_cast<size_t>(count), 0);
            for (int64_t day = first; day < first + count; ++day) {
                const int16_t poem = PoemOfTheDay(day, count);
                ASSERT_GE(poem, 0);
                ASSERT_LT(poem, count);
                ++days[static_cast<size_t>(poem)];
                EXPECT_NE(PoemOfTheDay(day + 1, count), poem) << count << " poems, day " << day;
            }
            EXPECT_EQ(std::count(days.begin(), days.end(), 1), count) << count << " from " << first;
        }
    }
}

TEST(PoemOfTheDay, NeighbouringDaysAreFarApartInTheAnthology) {
    const int count = 320;
    for (int64_t day = 20795; day < 20795 + 30; ++day) {
        const int apart = std::abs(PoemOfTheDay(day + 1, count) - PoemOfTheDay(day, count));
        EXPECT_GT(apart, 10) << "day " << day;
    }
}
