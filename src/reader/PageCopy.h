#pragma once

#include <windows.h>

// Lets the user copy from the read-only page box: Ctrl+A selects the whole page, Ctrl+C (and
// Ctrl+Insert) copies the selection as plain Unicode text with CR LF line breaks, and a right
// click opens a menu with "复制(&C)" (greyed without a selection) and "全选(&A)".
void OfferCopy(HWND box);
