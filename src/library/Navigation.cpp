#include "Navigation.h"

MoveOutcome Navigate(Move move, int16_t currentIndex, int16_t highest) {
    using Kind = MoveOutcome::Kind;
    if (highest < 0) {
        return {Kind::NothingToShow, currentIndex};
    }
    switch (move) {
    case Move::First:
        return {Kind::ShowPoem, 0};
    case Move::Last:
        return {Kind::ShowPoem, highest};
    case Move::Previous:
        if (currentIndex <= 0) {
            return {Kind::AlreadyFirst, currentIndex};
        }
        return {Kind::ShowPoem, static_cast<int16_t>(currentIndex - 1)};
    case Move::Next:
        if (currentIndex >= highest) {
            return {Kind::AlreadyLast, currentIndex};
        }
        return {Kind::ShowPoem, static_cast<int16_t>(currentIndex + 1)};
    }
    return {Kind::NothingToShow, currentIndex};
}
