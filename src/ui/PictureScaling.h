#pragma once

#include "UniqueHandle.h"

#include <cstdint>
#include <vector>

namespace ui {

// A picture's pixels, row by row from the top, each 0x00RRGGBB.
struct Pixels {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Values;
};

// Resamples `source` to `width` x `height` with a triangle filter as wide as the larger of one
// source pixel and one target pixel: smooth both when shrinking and when enlarging, never the
// blocks of repeating pixels.
Pixels ScaleSmoothly(const Pixels& source, int width, int height);

Pixels PixelsOf(HBITMAP bitmap);
UniqueBitmap BitmapOf(const Pixels& pixels);

} // namespace ui
