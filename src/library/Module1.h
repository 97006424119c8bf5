#pragma once

#include "TangRecord.h"

#include <cstdint>
#include <vector>

// The most poems the anthology holds: every index and list position is a 16-bit signed integer.
inline constexpr int MaxTangs = 32767;

// The state both windows share for the whole run. The windows read and write it directly.
struct Module1 {
    std::vector<TangRecord> Tangs; // filled once by the loader, read-only afterwards
    int16_t CurrentIndex = 0;      // index of the poem on the reader's page
    bool IsClosing = false;        // set once, when the reader starts to shut down
};

// Highest index of the table, or -1 when it holds no poem.
inline int16_t HighestIndex(const std::vector<TangRecord>& tangs) {
    return static_cast<int16_t>(static_cast<int>(tangs.size()) - 1);
}
