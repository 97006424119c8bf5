#include "Navigation.h"

#include <gtest/gtest.h>

TEST(Navigation, MovesWithinTheTableAndMessagesAtItsEnds) {
    using enum Move;
    using enum MoveOutcome::Kind;
    const auto expect = [](Move step, int16_t current, int16_t highest, MoveOutcome::Kind what,
                           int16_t index) {
        const MoveOutcome outcome = Navigate(step, current, highest);
        EXPECT_EQ(std::pair(outcome.What, outcome.Index), std::pair(what, index))
            << current << " of " << highest;
    };
    expect(Next, 4, 9, ShowPoem, 5);
    expect(Previous, 4, 9, ShowPoem, 3);
    expect(First, 9, 9, ShowPoem, 0);
    expect(Last, 9, 9, ShowPoem, 9);         // first and last re-show without a message
    expect(Previous, 0, 0, AlreadyFirst, 0); // a single poem gives both messages
    expect(Next, 0, 0, AlreadyLast, 0);
    expect(Next, 32766, 32766, AlreadyLast, 32766); // the largest table stays in sixteen bits
    for (const Move step : {First, Previous, Next, Last}) {
        expect(step, 5, -1, NothingToShow, 5); // an empty table keeps the index
    }
}
