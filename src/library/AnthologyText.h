#pragma once

#include "EncodingDetection.h"

#include <string>
#include <string_view>

// The text of ts.txt and the encoding it was read in. What could not be read shows as U+FFFD.
struct DecodedAnthology {
    std::u16string Text;
    AnthologyEncoding Encoding = AnthologyEncoding::Gbk;
};

// Turns the bytes of ts.txt into UTF-16: UTF-8 or UTF-16 after their byte-order marks;
// without a mark, UTF-8 or GBK (code page 936), whichever the text more plausibly is.
// Every invalid byte sequence becomes one U+FFFD and the text after it is kept.
DecodedAnthology DecodeAnthology(std::string_view bytes);

// The text alone.
std::u16string DecodeAnthologyBytes(std::string_view bytes);

// The GBK half of the above, for bytes known to carry no byte-order mark.
std::u16string DecodeGbk(std::string_view bytes);

// The UTF-8 half of the above (without the byte-order mark).
std::u16string DecodeUtf8(std::string_view bytes);
