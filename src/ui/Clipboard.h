#pragma once

#include <string>
#include <windows.h>

namespace ui {

// Replaces the clipboard's content by `text` as plain Unicode text. Returns false when the
// clipboard could not be had (another program holding it) or memory ran out.
bool PutTextOnClipboard(HWND owner, const std::u16string& text);

// Replaces the clipboard's content by `picture` as a device-independent bitmap (CF_DIB) of 24
// bits a pixel. `picture` must not be selected into a device context. Returns false as
// PutTextOnClipboard does; the clipboard then keeps what it had.
bool PutPictureOnClipboard(HWND owner, HBITMAP picture);

} // namespace ui
