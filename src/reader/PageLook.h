#pragma once

#include "PageText.h"
#include "SearchResults.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// How one run of the page is drawn. In the normal scheme the runs differ by colour alone; in
// high contrast they all take the system's text colour and differ by weight and size instead.
struct RunLook {
    bool SystemColour = false; // the text colour of the system's scheme, following its changes
    uint32_t Colour = 0;
    bool Bold = false;
    int SizeTwips = 240; // 1/20 point
};

// The look of run `number` (0 title, 1 author, 2 verses, 3 notes) on a page whose text is
// `baseTwips` large.
RunLook LookOfRun(size_t number, const PageRun& run, bool highContrast, int baseTwips);

// The places a search found on the page, and how they are marked: in a pale colour behind each
// run's own, or in high contrast in the system's highlight colours.
struct PageMarks {
    std::vector<MarkedSpan> Spans;
    bool SystemHighlight = false;
};
