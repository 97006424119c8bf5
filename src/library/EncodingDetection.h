#pragma once

#include <string_view>

// The encodings ts.txt is read in, as editors save it today.
enum class AnthologyEncoding {
    Gbk,          // code page 936: every file that is none of the others
    Utf8,         // UTF-8 without a byte-order mark
    Utf8WithMark, // starts with EF BB BF
    Utf16Le,      // starts with FF FE
    Utf16Be,      // starts with FE FF
};

// A byte-order mark decides; without one, a file that is valid UTF-8 throughout and holds at
// least one multi-byte sequence is UTF-8 (real GBK text is practically never valid UTF-8, and
// plain ASCII reads the same either way); everything else is GBK.
AnthologyEncoding DetectAnthologyEncoding(std::string_view bytes);

// Length of the byte-order mark the encoding starts with.
size_t ByteOrderMarkLength(AnthologyEncoding encoding);
