#pragma once

#include <string>
#include <windows.h>

namespace ui {

// Replaces the clipboard's content by `text` as plain Unicode text. Returns false when the
// clipboard could not be had (another program holding it) or memory ran out.
bool PutTextOnClipboard(HWND owner, const std::u16string& text);

} // namespace ui
