#pragma once

#include <cstddef>
#include <string_view>

// The encodings ts.txt is read in, as editors save it today.
enum class AnthologyEncoding {
    Gbk,          // code page 936
    Utf8,         // UTF-8 without a byte-order mark
    Utf8WithMark, // starts with EF BB BF
    Utf16Le,      // starts with FF FE
    Utf16Be,      // starts with FE FF
};

// The encoding the byte-order mark at the start of `bytes` names; Gbk when there is none.
AnthologyEncoding EncodingByMark(std::string_view bytes);

// Length of the byte-order mark the encoding starts with.
size_t ByteOrderMarkLength(AnthologyEncoding encoding);

// Without a mark, a file is read as UTF-8 or as GBK, whichever reading has fewer flaws: a
// character that could not be read (U+FFFD), or one that Chinese text hardly holds but that
// the bytes of one encoding become when read as the other (Latin, Greek, Hebrew and other
// letters, symbols, private-use characters). Chinese characters and punctuation, ASCII and
// every character beyond the Basic Multilingual Plane are no flaws.
bool IsForeignToChineseText(char32_t character);

// The flaws of the UTF-8 reading of `bytes`; counting stops once there are more than `limit`.
struct Utf8Reading {
    size_t Flaws = 0;
    size_t MultiByte = 0; // characters of two or more bytes read before counting stopped
};
Utf8Reading ReadAsUtf8(std::string_view bytes, size_t limit);

// The byte sequences of `bytes` that are no GBK character: each is a flaw of the GBK reading.
size_t CountIllFormedGbk(std::string_view bytes);

// The flaws of a decoded text.
size_t CountFlaws(std::u16string_view text);
