#pragma once

#include <cstdint>
#include <string>

// Shape of a synthetic anthology in the ts.txt format, for tests and benchmarks.
struct AnthologyShape {
    int Poems = 320;
    int Authors = 2000;         // size of the pool the poems' authors are drawn from
    uint32_t Seed = 20260101;   // the same shape always gives the same bytes
    bool BareLineFeeds = false; // LF instead of CR LF at the end of each line
};

// GBK bytes of an anthology with seven metrical-form sections, titles of two to eight
// characters, four or eight verse lines of five or seven characters, and a note on each poem,
// written on one line or across several.
std::string GenerateAnthology(const AnthologyShape& shape);

// `count` pseudo-random bytes, the same for the same seed on every machine.
std::string RandomBytes(size_t count, uint32_t seed);
