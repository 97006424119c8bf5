#include "Navigation.h"

#include <gtest/gtest.h>

using Kind = MoveOutcome::Kind;

namespace {
void ExpectOutcome(MoveOutcome outcome, Kind what, int16_t index) {
    EXPECT_EQ(outcome.What, what);
    EXPECT_EQ(outcome.Index, index);
}
} // namespace

TEST(Navigation, StepsWithinTheTable) {
    ExpectOutcome(Navigate(Move::Next, 4, 9), Kind::ShowPoem, 5);
    ExpectOutcome(Navigate(Move::Previous, 4, 9), Kind::ShowPoem, 3);
    ExpectOutcome(Navigate(Move::First, 4, 9), Kind::ShowPoem, 0);
    ExpectOutcome(Navigate(Move::Last, 4, 9), Kind::ShowPoem, 9);
}

TEST(Navigation, EndsGiveMessagesAndKeepTheIndex) {
    ExpectOutcome(Navigate(Move::Previous, 0, 9), Kind::AlreadyFirst, 0);
    ExpectOutcome(Navigate(Move::Next, 9, 9), Kind::AlreadyLast, 9);
    // First and last re-show without a message, even where they already are.
    ExpectOutcome(Navigate(Move::First, 0, 9), Kind::ShowPoem, 0);
    ExpectOutcome(Navigate(Move::Last, 9, 9), Kind::ShowPoem, 9);
}

TEST(Navigation, SinglePoemGivesBothMessages) {
    ExpectOutcome(Navigate(Move::Previous, 0, 0), Kind::AlreadyFirst, 0);
    ExpectOutcome(Navigate(Move::Next, 0, 0), Kind::AlreadyLast, 0);
    ExpectOutcome(Navigate(Move::First, 0, 0), Kind::ShowPoem, 0);
    ExpectOutcome(Navigate(Move::Last, 0, 0), Kind::ShowPoem, 0);
}

TEST(Navigation, LargestTableStaysInSixteenBits) {
    ExpectOutcome(Navigate(Move::Next, 32765, 32766), Kind::ShowPoem, 32766);
    ExpectOutcome(Navigate(Move::Next, 32766, 32766), Kind::AlreadyLast, 32766);
    ExpectOutcome(Navigate(Move::Last, 0, 32766), Kind::ShowPoem, 32766);
}

TEST(Navigation, EmptyTableShowsNothingAndKeepsTheIndex) {
    for (const Move move : {Move::First, Move::Previous, Move::Next, Move::Last}) {
        ExpectOutcome(Navigate(move, 5, -1), Kind::NothingToShow, 5);
    }
}
