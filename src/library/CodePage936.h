#pragma once

#include <string>
#include <string_view>

// Strict conversion from code page 936 (GBK) to UTF-16, provided by the platform:
// iconv on POSIX systems, MultiByteToWideChar on Windows.
class CodePage936Decoder {
public:
    CodePage936Decoder();
    ~CodePage936Decoder();
    CodePage936Decoder(const CodePage936Decoder&) = delete;
    CodePage936Decoder& operator=(const CodePage936Decoder&) = delete;

    // Appends the UTF-16 text of `bytes` to `out`. Returns false, and leaves `out` as it was,
    // when any byte sequence in `bytes` is not a character of the code page. The pairs the
    // code page gives private-use characters (its user-defined areas among them) are
    // characters: both builds give them the code points Windows gives them. Callers pass only
    // well-formed GBK (GbkCheck.h): Windows turns a stray byte such as 0xFF into a private-use
    // character too, which is no character of the file.
    bool AppendStrict(std::string_view bytes, std::u16string& out);

private:
    void* converter_ = nullptr;
};
