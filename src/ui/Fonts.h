#pragma once

#include "Layout.h"
#include "UniqueHandle.h"

#include <string>

namespace ui {

// The face to ask GDI for: `face` itself when installed, otherwise a near relative
// (楷体_GB2312, 楷体, KaiTi; 宋体, SimSun), otherwise `face` for GDI's own mapping.
std::wstring InstalledFace(const wchar_t* face);

// A font of `description` at `dpi`: 9 points at 96 DPI are 12 pixels.
UniqueFont CreateFontAt(const FontLayout& description, int dpi);

} // namespace ui
