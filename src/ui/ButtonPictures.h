#pragma once

#include "UniqueHandle.h"

namespace ui {

// The bitmap resource `pictureId` at the size `dpi` asks for: its 100 % size times dpi / 96.
// Each picture is also drawn at 150 % and 200 % (resource ids 10 and 20 above its own); the
// drawing of that size is used as it is, and any other size is scaled smoothly from the
// nearest larger drawing, or from the largest.
UniqueBitmap PictureAt(int pictureId, int dpi);

} // namespace ui
