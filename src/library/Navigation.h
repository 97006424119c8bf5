#pragma once

#include <cstdint>

enum class Move { First, Previous, Next, Last };

// What a move button does from the poem on show.
struct MoveOutcome {
    enum class Kind {
        ShowPoem,      // set CurrentIndex to Index and show it
        AlreadyFirst,  // tell the user this is the first poem; change nothing
        AlreadyLast,   // tell the user this is the last poem; change nothing
        NothingToShow, // the anthology is empty
    };
    Kind What;
    int16_t Index;
};

// `highest` is the table's highest index, -1 for an empty table.
MoveOutcome Navigate(Move move, int16_t currentIndex, int16_t highest);
