#include "PictureScaling.h"

#include "DeviceContext.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

struct Weight {
    int Index;
    double Value;
};

// For each target position along one axis, the source positions it takes from and how much.
std::vector<std::vector<Weight>> Weights(int from, int to) {
    const double step = static_cast<double>(from) / to;
    const double radius = std::max(1.0, step);
    std::vector<std::vector<Weight>> weights(static_cast<size_t>(to));
    for (int target = 0; target < to; ++target) {
        const double centre = (target + 0.5) * step - 0.5;
        const int first = std::max(0, static_cast<int>(std::floor(centre - radius)));
        const int last = std::min(from - 1, static_cast<int>(std::ceil(centre + radius)));
        double total = 0;
        for (int source = first; source <= last; ++source) {
            const double value = 1.0 - std::abs(source - centre) / radius;
            if (value > 0) {
                weights[static_cast<size_t>(target)].push_back({source, value});
                total += value;
            }
        }
        for (Weight& weight : weights[static_cast<size_t>(target)]) {
            weight.Value /= total;
        }
    }
    return weights;
}

uint32_t Channel(uint32_t pixel, int shift) {
    return (pixel >> shift) & 0xFF;
}

uint32_t Mix(const std::vector<Weight>& weights, int stride, int offset,
             const std::vector<uint32_t>& values) {
    uint32_t mixed = 0;
    for (const int shift : {0, 8, 16}) {
        double sum = 0;
        for (const Weight& weight : weights) {
            sum += weight.Value *
                   Channel(values[static_cast<size_t>(offset + weight.Index * stride)], shift);
        }
        mixed |= static_cast<uint32_t>(std::clamp(std::lround(sum), 0L, 255L)) << shift;
    }
    return mixed;
}

} // namespace

Pixels ScaleSmoothly(const Pixels& source, int width, int height) {
    if (source.Width <= 0 || source.Height <= 0 || width <= 0 || height <= 0) {
        return {};
    }
    const auto across = Weights(source.Width, width);
    const auto down = Weights(source.Height, height);
    Pixels wide{
        width, source.Height,
        std::vector<uint32_t>(static_cast<size_t>(width) * static_cast<size_t>(source.Height))};
    for (int y = 0; y < source.Height; ++y) {
        for (int x = 0; x < width; ++x) {
            wide.Values[static_cast<size_t>(y * width + x)] =
                Mix(across[static_cast<size_t>(x)], 1, y * source.Width, source.Values);
        }
    }
    Pixels result{width, height,
                  std::vector<uint32_t>(static_cast<size_t>(width) * static_cast<size_t>(height))};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            result.Values[static_cast<size_t>(y * width + x)] =
                Mix(down[static_cast<size_t>(y)], width, x, wide.Values);
        }
    }
    return result;
}

namespace {

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    return format;
}

} // namespace

Pixels PixelsOf(HBITMAP bitmap) {
    BITMAP size{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof size, &size) == 0) {
        return {};
    }
    Pixels pixels{size.bmWidth, size.bmHeight,
                  std::vector<uint32_t>(static_cast<size_t>(size.bmWidth) *
                                        static_cast<size_t>(size.bmHeight))};
    BITMAPINFO format = TopDown32(pixels.Width, pixels.Height);
    const WindowDc screen(nullptr);
    GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(pixels.Height), pixels.Values.data(),
              &format, DIB_RGB_COLORS);
    return pixels;
}

UniqueBitmap BitmapOf(const Pixels& pixels) {
    const BITMAPINFO format = TopDown32(pixels.Width, pixels.Height);
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap && bits != nullptr) {
        std::copy(pixels.Values.begin(), pixels.Values.end(), static_cast<uint32_t*>(bits));
    }
    return bitmap;
}

} // namespace ui
