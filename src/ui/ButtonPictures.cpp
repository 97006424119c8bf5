#include "ButtonPictures.h"

#include "PictureScaling.h"
#include "Window.h"

#include <iterator>

namespace ui {

namespace {

constexpr int ScaledIdStep = 10;
constexpr int DrawnPercents[] = {100, 150, 200};

UniqueBitmap LoadPicture(int id) {
    return UniqueBitmap(static_cast<HBITMAP>(LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(id),
                                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

SIZE SizeOf(HBITMAP bitmap) {
    BITMAP description{};
    GetObjectW(bitmap, sizeof description, &description);
    return {description.bmWidth, description.bmHeight};
}

} // namespace

UniqueBitmap PictureAt(int pictureId, int dpi) {
    UniqueBitmap original = LoadPicture(pictureId);
    if (!original || dpi == 96) {
        return original;
    }
    const SIZE at100 = SizeOf(original.get());
    const SIZE wanted{MulDiv(at100.cx, dpi, 96), MulDiv(at100.cy, dpi, 96)};
    UniqueBitmap drawn;
    for (size_t i = 0; i < std::size(DrawnPercents); ++i) {
        UniqueBitmap candidate = i == 0
                                     ? std::move(original)
                                     : LoadPicture(pictureId + static_cast<int>(i) * ScaledIdStep);
        if (candidate) {
            drawn = std::move(candidate);
        }
        if (DrawnPercents[i] * 96 >= dpi * 100 && drawn) {
            break; // the first drawing at least as large as wanted
        }
    }
    const SIZE size = SizeOf(drawn.get());
    if (size.cx == wanted.cx && size.cy == wanted.cy) {
        return drawn;
    }
    return BitmapOf(ScaleSmoothly(PixelsOf(drawn.get()), wanted.cx, wanted.cy));
}

} // namespace ui
