#pragma once

#include <string>
#include <string_view>

inline constexpr char16_t ReplacementCharacter = u'\uFFFD';

// Turns the bytes of ts.txt into UTF-16, in the encoding DetectAnthologyEncoding finds: UTF-8
// or UTF-16 after their byte-order marks, UTF-8 without one, otherwise GBK (code page 936).
// Every invalid byte sequence becomes one U+FFFD and the text after it is kept.
std::u16string DecodeAnthologyBytes(std::string_view bytes);

// The GBK half of the above, for bytes known to carry no byte-order mark.
std::u16string DecodeGbk(std::string_view bytes);

// The UTF-8 half of the above (without the byte-order mark).
std::u16string DecodeUtf8(std::string_view bytes);
