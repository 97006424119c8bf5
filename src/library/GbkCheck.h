#pragma once

#include <cstddef>
#include <string_view>

// The shape of GBK (code page 936) bytes, before the code page is asked what they mean. A
// character is one byte from 0x01 to 0x80 (0x80 is the euro sign), or a lead byte 0x81..0xFE
// followed by a trail byte 0x40..0x7E or 0x80..0xFE. NUL and 0xFF start no character: NUL
// would cut the text short wherever Windows takes a terminated string.

// Length of the character that starts at `at`, or 0 when the byte there starts none.
size_t GbkCharacterLength(std::string_view bytes, size_t at);

// True when `bytes` is a sequence of whole characters.
bool IsWellFormedGbk(std::string_view bytes);
