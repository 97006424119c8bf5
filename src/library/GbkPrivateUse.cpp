#include "GbkPrivateUse.h"

#include <array>

namespace {

// Rows `LeadFirst`..`LeadLast`, each with the trail bytes `TrailFirst`..`TrailLast` (0x7F is
// never a trail byte), numbered row by row from `First`.
struct Area {
    uint8_t LeadFirst;
    uint8_t LeadLast;
    uint8_t TrailFirst;
    uint8_t TrailLast;
    char16_t First;
};

constexpr std::array<Area, 3> UserDefinedAreas{{
    {0xAA, 0xAF, 0xA1, 0xFE, 0xE000},
    {0xF8, 0xFE, 0xA1, 0xFE, 0xE234},
    {0xA1, 0xA7, 0x40, 0xA0, 0xE4C6},
}};

// The other pairs, one run of trail bytes in one row each, numbered on from U+E766 in this
// order (the order of the pairs themselves).
struct Run {
    uint8_t Lead;
    uint8_t TrailFirst;
    uint8_t TrailLast;
};

constexpr char16_t FirstOfRuns = 0xE766;
constexpr std::array<Run, 26> Runs{{
    {0xA2, 0xAB, 0xB0}, {0xA2, 0xE3, 0xE4}, {0xA2, 0xEF, 0xF0}, {0xA2, 0xFD, 0xFE},
    {0xA4, 0xF4, 0xFE}, {0xA5, 0xF7, 0xFE}, {0xA6, 0xB9, 0xC0}, {0xA6, 0xD9, 0xDF},
    {0xA6, 0xEC, 0xED}, {0xA6, 0xF3, 0xF3}, {0xA6, 0xF6, 0xFE}, {0xA7, 0xC2, 0xD0},
    {0xA7, 0xF2, 0xFE}, {0xA8, 0x96, 0xA0}, {0xA8, 0xBC, 0xBC}, {0xA8, 0xBF, 0xBF},
    {0xA8, 0xC1, 0xC4}, {0xA8, 0xEA, 0xFE}, {0xA9, 0x58, 0x58}, {0xA9, 0x5B, 0x5B},
    {0xA9, 0x5D, 0x5F}, {0xA9, 0x89, 0x95}, {0xA9, 0x97, 0xA3}, {0xA9, 0xF0, 0xFE},
    {0xD7, 0xFA, 0xFE}, {0xFE, 0x50, 0xA0},
}};

// Position of `trail` among the trail bytes from `first` on.
unsigned TrailIndex(uint8_t first, uint8_t trail) {
    return static_cast<unsigned>(trail - first) - (first < 0x7F && trail > 0x7F ? 1 : 0);
}

} // namespace

char16_t GbkPrivateUseCharacter(uint8_t lead, uint8_t trail) {
    if (trail == 0x7F) {
        return 0;
    }
    for (const Area& area : UserDefinedAreas) {
        if (lead >= area.LeadFirst && lead <= area.LeadLast && trail >= area.TrailFirst &&
            trail <= area.TrailLast) {
            const unsigned perRow = TrailIndex(area.TrailFirst, area.TrailLast) + 1;
            return static_cast<char16_t>(area.First + (lead - area.LeadFirst) * perRow +
                                         TrailIndex(area.TrailFirst, trail));
        }
    }
    unsigned before = 0;
    for (const Run& run : Runs) {
        if (lead == run.Lead && trail >= run.TrailFirst && trail <= run.TrailLast) {
            return static_cast<char16_t>(FirstOfRuns + before + TrailIndex(run.TrailFirst, trail));
        }
        before += TrailIndex(run.TrailFirst, run.TrailLast) + 1;
    }
    return 0;
}
