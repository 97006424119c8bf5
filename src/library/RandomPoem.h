#pragma once

#include <cstdint>
#include <random>

// A poem chosen at random among the `count` poems of the table, each equally likely, never
// `current` when there are two or more (a reader asking for another poem wants another one).
// Returns -1 for an empty table.
int16_t ChooseRandomPoem(int16_t current, int count, std::mt19937& generator);
