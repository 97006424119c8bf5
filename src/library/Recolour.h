#pragma once

#include <cstdint>

// A pixel of text drawn in `ink` on `back`, its edges smoothed or not, as it would be drawn in
// `newInk` on `newBack`. How much ink the pixel holds is read from the channel in which ink and
// background differ most. The four colours and the pixel pack their three channels alike, in
// either order (a COLORREF or a 32-bit device-independent pixel); the top byte is dropped.
uint32_t Recoloured(uint32_t pixel, uint32_t back, uint32_t ink, uint32_t newBack, uint32_t newInk);
