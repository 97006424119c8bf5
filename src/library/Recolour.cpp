#include "Recolour.h"

#include <algorithm>
#include <cstdlib>

namespace {

int Channel(uint32_t colour, int shift) {
    return static_cast<int>((colour >> shift) & 0xFF);
}

} // namespace

uint32_t Recoloured(uint32_t pixel, uint32_t back, uint32_t ink, uint32_t newBack,
                    uint32_t newInk) {
    int widest = 0;
    for (const int shift : {8, 16}) {
        if (std::abs(Channel(ink, shift) - Channel(back, shift)) >
            std::abs(Channel(ink, widest) - Channel(back, widest))) {
            widest = shift;
        }
    }
    const int span = Channel(ink, widest) - Channel(back, widest);
    // In thousandths: 0 for the background, 1000 for the ink.
    const int share =
        span == 0
            ? 0
            : std::clamp((Channel(pixel, widest) - Channel(back, widest)) * 1000 / span, 0, 1000);
    uint32_t result = 0;
    for (const int shift : {0, 8, 16}) {
        const int from = Channel(newBack, shift);
        const int value = from + (Channel(newInk, shift) - from) * share / 1000;
        result |= static_cast<uint32_t>(value) << shift;
    }
    return result;
}
