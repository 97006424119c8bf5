#pragma once

#include <windows.h>

#include <richedit.h>

// What the reader does with the selection of its read-only page box `box`.

// The selection; with nothing selected, both ends at the caret.
CHARRANGE PageSelection(HWND box);

void SelectWholePage(HWND box);

// Puts the selection on the clipboard as plain Unicode text with CR LF line breaks.
void CopyPageSelection(HWND box);

// Where the page's menu opens for a WM_CONTEXTMENU's `lParam`: at the pointer, or from the
// keyboard at the caret, kept inside the box when the caret is scrolled out of sight. In screen
// coordinates.
POINT PageMenuPoint(HWND box, LPARAM lParam);
