#include "Recolour.h"

#include "PageText.h"

#include <gtest/gtest.h>

// The background and the ink take their new colours, and a smoothed edge stays between them
// in the same share, whichever channel tells ink from background.
TEST(Recolour, MovesBackgroundInkAndEdgesToTheirNewColours) {
    const uint32_t white = Rgb(255, 255, 255), black = Rgb(0, 0, 0);
    const uint32_t highlight = Rgb(0, 120, 215), highlightText = white;
    EXPECT_EQ(Recoloured(white, white, black, highlight, highlightText), highlight);
    EXPECT_EQ(Recoloured(black, white, black, highlight, highlightText), highlightText);
    EXPECT_EQ(Recoloured(Rgb(51, 51, 51), white, black, highlight, highlightText),
              Rgb(204, 228, 247))
        << "four fifths ink";
    // Blue ink differs from white only in red and green.
    EXPECT_EQ(Recoloured(TitleColour, white, TitleColour, MarkColour, TitleColour), TitleColour);
    EXPECT_EQ(Recoloured(white, white, TitleColour, MarkColour, TitleColour), MarkColour);
    EXPECT_EQ(Recoloured(Rgb(200, 200, 200), black, black, MarkColour, TitleColour), MarkColour)
        << "ink the same as the background tells nothing";
}
