#include "PageLook.h"

RunLook LookOfRun(size_t number, const PageRun& run, bool highContrast, int baseTwips) {
    if (!highContrast) {
        return {false, run.Colour, false, baseTwips};
    }
    // Title larger and bold, author bold, verses plain, notes smaller: four looks apart.
    switch (number) {
    case 0:
        return {true, 0, true, baseTwips + baseTwips / 6};
    case 1:
        return {true, 0, true, baseTwips};
    case 2:
        return {true, 0, false, baseTwips};
    default:
        return {true, 0, false, baseTwips - baseTwips / 8};
    }
}
