#pragma once

// The size of the page's text, in percent of its normal size. It moves in steps of 10 between
// 50 and 400, as the zoom of Windows' own viewers and editors does.
inline constexpr int NormalZoom = 100;
inline constexpr int SmallestZoom = 50;
inline constexpr int LargestZoom = 400;
inline constexpr int ZoomStep = 10;

// `percent` moved by `steps` (negative: smaller) and kept within the limits. A size between two
// steps goes first to the next step in the direction asked for.
int ZoomBy(int percent, int steps);

// A text size in twips drawn at `percent` of itself, to the nearest twip.
int ZoomedTwips(int twips, int percent);

// Turns mouse-wheel deltas into whole notches of 120. A high-resolution wheel sends smaller
// deltas: they are kept until they make up a notch, and forgotten when the wheel turns back.
class WheelNotches {
public:
    // The whole notches the wheel has now turned: positive away from the user.
    int Add(int delta);

private:
    int rest_ = 0;
};
