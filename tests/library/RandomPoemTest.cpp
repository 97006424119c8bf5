#include "RandomPoem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

TEST(RandomPoem, NeverTheShownPoemAndEveryOtherAboutEquallyOften) {
    std::mt19937 generator(20261207);
    for (const auto& [count, current] : {std::pair{2, 0}, {3, 2}, {7, 3}, {320, 0}, {320, 319}}) {
        std::vector<int> times(static_cast<size_t>(count), 0);
        const int draws = count * 400;
        for (int i = 0; i < draws; ++i) {
            const int16_t chosen =
                ChooseRandomPoem(static_cast<int16_t>(current), count, generator);
            ASSERT_TRUE(chosen >= 0 && chosen < count && chosen != current) << chosen;
            ++times[static_cast<size_t>(chosen)];
        }
        const double expected = static_cast<double>(draws) / (count - 1);
        for (int poem = 0; poem < count; ++poem) {
            // Far wider than chance allows at these counts, far narrower than a bias.
            EXPECT_NEAR(times[static_cast<size_t>(poem)], poem == current ? 0 : expected,
                        expected * 0.35)
                << "poem " << poem << " of " << count;
        }
    }
    EXPECT_EQ(ChooseRandomPoem(0, 1, generator), 0);
    EXPECT_EQ(ChooseRandomPoem(0, 0, generator), -1);
    // The largest table reaches its last poems too, and stays in sixteen bits.
    int highest = 0;
    for (int i = 0; i < 20000 && highest <= 32000; ++i) {
        highest = std::max<int>(highest, ChooseRandomPoem(0, 32767, generator));
    }
    EXPECT_GT(highest, 32000);
}
