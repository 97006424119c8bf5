#pragma once

#include <string>
#include <windows.h>

namespace ui {

// An information message with one OK button, owned by `owner` and modal to the whole program:
// the program's other windows take no input until the user dismisses it.
void ShowInformation(HWND owner, const std::u16string& text, const std::u16string& caption);

} // namespace ui
