#include "TextZoom.h"

#include <gtest/gtest.h>

TEST(TextZoom, StepsByTenWithinFiftyAndFourHundred) {
    const struct {
        int Percent, Steps, Expected;
    } cases[] = {
        {100, 1, 110},
        {60, -1, 50},
        {50, -1, 50},
        {390, 1, 400},
        {400, 1, 400},
        {105, 1, 110},
        {105, -1, 100}, // between two steps: the next step either way
        {20, 1, 60},
        {999, -1, 390}, // a size out of range comes back into it first
        {100, -2147483647, 50},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ZoomBy(c.Percent, c.Steps), c.Expected) << c.Percent << " by " << c.Steps;
    }
}

TEST(TextZoom, WheelCountsWholeNotchesAndKeepsTheRest) {
    WheelNotches wheel;
    EXPECT_EQ(wheel.Add(-360), -3);
    EXPECT_EQ(wheel.Add(40), 0); // a high-resolution wheel: three small turns make one notch
    EXPECT_EQ(wheel.Add(80), 1);
    EXPECT_EQ(wheel.Add(100), 0);
    EXPECT_EQ(wheel.Add(-100), 0) << "turning back forgets the part-notch";
    EXPECT_EQ(wheel.Add(-20), -1);
    EXPECT_EQ(wheel.Add(250), 2);
    EXPECT_EQ(wheel.Add(110), 1) << "the 10 left over counts";
}

// The page's sizes at every zoom: the title of the high-contrast look (280 twips) and the notes
// (210) must keep their order and round the same way at every percent.
TEST(TextZoom, ZoomedSizesRoundToTheNearestTwipAndKeepTheirOrder) {
    EXPECT_EQ(ZoomedTwips(240, 100), 240);
    EXPECT_EQ(ZoomedTwips(210, 110), 231);
    EXPECT_EQ(ZoomedTwips(245, 110), 270); // 269.5 rounds up
    EXPECT_EQ(ZoomedTwips(244, 50), 122);
    EXPECT_EQ(ZoomedTwips(32767, 400), 131068) << "no overflow at the largest size";
    for (int percent = SmallestZoom; percent <= LargestZoom; percent += ZoomStep) {
        EXPECT_LT(ZoomedTwips(210, percent), ZoomedTwips(240, percent)) << percent;
        EXPECT_LT(ZoomedTwips(240, percent), ZoomedTwips(280, percent)) << percent;
    }
}
