#include "RandomPoem.h"

int16_t ChooseRandomPoem(int16_t current, int count, std::mt19937& generator) {
    if (count <= 0) {
        return -1;
    }
    const bool skipCurrent = count >= 2 && current >= 0 && current < count;
    const int choices = skipCurrent ? count - 1 : count;
    std::uniform_int_distribution<int> pick(0, choices - 1);
    int chosen = pick(generator);
    if (skipCurrent && chosen >= current) {
        ++chosen; // the numbers above the current poem move up by one, past it
    }
    return static_cast<int16_t>(chosen);
}
