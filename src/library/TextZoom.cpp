#include "TextZoom.h"

#include <algorithm>

namespace {

int FloorToStep(int percent) {
    return percent / ZoomStep * ZoomStep; // only positive sizes reach this
}

} // namespace

int ZoomBy(int percent, int steps) {
    const int within = std::clamp(percent, SmallestZoom, LargestZoom);
    const int floor = FloorToStep(within);
    int base = floor;
    if (steps < 0 && floor != within) {
        base = floor + ZoomStep; // between two steps, going down starts from the one above
    }
    // No more steps than the whole range holds, so that a huge count cannot overflow.
    const int range = (LargestZoom - SmallestZoom) / ZoomStep;
    const int bounded = std::clamp(steps, -range, range);
    return std::clamp(base + bounded * ZoomStep, SmallestZoom, LargestZoom);
}

int ZoomedTwips(int twips, int percent) {
    return static_cast<int>((static_cast<long long>(twips) * percent + 50) / 100);
}

int WheelNotches::Add(int delta) {
    constexpr int Notch = 120;
    if ((delta > 0 && rest_ < 0) || (delta < 0 && rest_ > 0)) {
        rest_ = 0;
    }
    rest_ += std::clamp(delta, -32768, 32767); // a wheel delta is sixteen bits
    const int notches = rest_ / Notch;
    rest_ -= notches * Notch;
    return notches;
}
