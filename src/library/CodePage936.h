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
    // when any byte sequence in `bytes` is not a character of the code page, or is one only
    // in a user-defined area (a private-use character): glibc's iconv refuses those, and the
    // Windows decoder refuses them too, so that both builds give the same text.
    bool AppendStrict(std::string_view bytes, std::u16string& out);

private:
    void* converter_ = nullptr;
};
