#include "Navigation.h"

#include <gtest/gtest.h>

TEST(Navigation, MovesWithinTheTableAndMessagesAtItsEnds) {
    using enum Move;
    using enum MoveOutcome::Kind;
    const struct {
        Move Step;
        int16_t Current, Highest;
        MoveOutcome::Kind What;
        int16_t Index;
    } cases[] = {
        {Next, 4, 9, ShowPoem, 5},
        {Previous, 4, 9, ShowPoem, 3},
        {First, 4, 9, ShowPoem, 0},
        {Last, 4, 9, ShowPoem, 9},
        {Previous, 0, 9, AlreadyFirst, 0},
        {Next, 9, 9, AlreadyLast, 9},
        {First, 0, 9, ShowPoem, 0}, // first and last re-show without a message
        {Last, 9, 9, ShowPoem, 9},
        {Previous, 0, 0, AlreadyFirst, 0}, // a single poem gives both messages
        {Next, 0, 0, AlreadyLast, 0},
        {Next, 32765, 32766, ShowPoem, 32766}, // the largest table stays in sixteen bits
        {Next, 32766, 32766, AlreadyLast, 32766},
        {First, 5, -1, NothingToShow, 5}, // an empty table keeps the index
        {Previous, 5, -1, NothingToShow, 5},
        {Next, 5, -1, NothingToShow, 5},
        {Last, 5, -1, NothingToShow, 5},
    };
    for (const auto& c : cases) {
        const MoveOutcome outcome = Navigate(c.Step, c.Current, c.Highest);
        EXPECT_EQ(outcome.What, c.What) << c.Current << " of " << c.Highest;
        EXPECT_EQ(outcome.Index, c.Index) << c.Current << " of " << c.Highest;
    }
}
