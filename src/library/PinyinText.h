#pragma once

#include "PageText.h"

#include <array>
#include <cstdint>
#include <limits>
#include <string>

// The part of the page from position `from` to `to` (where each line break counts as one) as
// the 拼音 view copies it and a screen reader reads it: each line of the title, the author and
// the verses that holds Chinese characters, followed by a line of their readings, one for each
// character in order, apart by single spaces, "?" for a character without one; the notes as
// they are. Lines end in CR LF, as on the page.
std::u16string TextWithReadings(const std::array<PageRun, 4>& runs, uint32_t from = 0,
                                uint32_t to = std::numeric_limits<uint32_t>::max());
