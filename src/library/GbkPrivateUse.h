#pragma once

#include <cstdint>

// Code page 936 gives private-use characters (U+E000..U+E864) to its user-defined areas and to
// the pairs of its symbol rows that hold no standard character. On Windows these are real
// characters: the standard Chinese fonts draw the FE50..FEA0 group, and a user's own font
// (EUDC) draws the user-defined ones. iconv refuses all of them; this is the code page's own
// assignment, so that a portable build reads them as Windows does.
//
// The character of the pair `lead`, `trail`, or 0 when the code page gives it none of these.
char16_t GbkPrivateUseCharacter(uint8_t lead, uint8_t trail);
