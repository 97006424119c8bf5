#include "PagePrinting.h"

void PrintPage(HWND, HWND, int16_t) {}
