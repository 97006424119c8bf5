#pragma once

#include <cstdint>

// Days from 1970-01-01 to a date of the Gregorian calendar, negative before it.
int64_t DayNumber(int year, unsigned month, unsigned day);

// The poem of day `day` (a DayNumber) among `count` poems: a fixed permutation of the days,
// from the date alone, so that any `count` days in a row give each poem exactly once, and
// neighbouring days poems far apart in the anthology. Returns -1 for an empty anthology.
int16_t PoemOfTheDay(int64_t day, int count);
