#pragma once

#include <cstdint>
#include <windows.h>

// Prints the poem on the page box `page` (poem `index`): the system's print dialog, then the
// page as it shows it, at its own size whatever the screen's zoom, over as many sheets as it
// needs, with the anthology's name and the poem's number in a footer. Cancel prints nothing;
// a printer's failure is told in a message box owned by `owner`.
void PrintPage(HWND owner, HWND page, int16_t index);
