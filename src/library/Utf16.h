#pragma once

#include <string>
#include <string_view>

// Decodes UTF-16 bytes that follow a byte-order mark. An unpaired surrogate, an odd last byte
// and U+0000 each become one U+FFFD, so that the text holds only whole characters and no unit
// that would end a terminated string early.
std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian);
