#include "PoemOfTheDay.h"

#include <chrono>
#include <numeric>

int64_t DayNumber(int year, unsigned month, unsigned day) {
    using namespace std::chrono;
    const sys_days date{std::chrono::year{year} / std::chrono::month{month} /
                        std::chrono::day{day}};
    return date.time_since_epoch().count();
}

int16_t PoemOfTheDay(int64_t day, int count) {
    if (count <= 0) {
        return -1;
    }
    const int64_t poems = count;
    const int64_t cycleDay = ((day % poems) + poems) % poems;
    // Day k of each cycle of `count` days is poem (step × k + offset) mod count: a permutation
    // when step and count have no common factor. A step near 0.618 of the anthology (the golden
    // ratio's) spreads neighbouring days over it.
    int64_t step = poems * 618 / 1000;
    while (step < 1 || std::gcd(step, poems) != 1) {
        ++step;
    }
    const int64_t offset = poems / 3;
    return static_cast<int16_t>((step * cycleDay + offset) % poems);
}
