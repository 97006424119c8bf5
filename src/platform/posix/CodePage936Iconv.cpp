#include "CodePage936.h"

#include "GbkPrivateUse.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <iconv.h>
#include <stdexcept>

static_assert(std::endian::native == std::endian::little, "UTF-16LE is copied as char16_t");

namespace {

iconv_t Descriptor(void* converter) {
    return static_cast<iconv_t>(converter);
}

} // namespace

CodePage936Decoder::CodePage936Decoder() {
    iconv_t descriptor = iconv_open("UTF-16LE", "CP936");
    if (descriptor == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error("iconv has no CP936 converter");
    }
    converter_ = descriptor;
}

CodePage936Decoder::~CodePage936Decoder() {
    iconv_close(Descriptor(converter_));
}

bool CodePage936Decoder::AppendStrict(std::string_view bytes, std::u16string& out) {
    const size_t oldSize = out.size();
    // A GBK character never yields more than one UTF-16 unit per byte.
    out.resize(oldSize + bytes.size());
    iconv(Descriptor(converter_), nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    char* outPtr = reinterpret_cast<char*>(out.data() + oldSize);
    size_t outLeft = bytes.size() * sizeof(char16_t);
    while (inLeft > 0) {
        if (iconv(Descriptor(converter_), &in, &inLeft, &outPtr, &outLeft) !=
            static_cast<size_t>(-1)) {
            continue; // inLeft is 0 now
        }
        // iconv stops at the private-use pairs of the code page; they are characters here.
        const char16_t privateUse =
            inLeft >= 2
                ? GbkPrivateUseCharacter(static_cast<uint8_t>(in[0]), static_cast<uint8_t>(in[1]))
                : 0;
        if (privateUse == 0) {
            out.resize(oldSize);
            return false;
        }
        std::memcpy(outPtr, &privateUse, sizeof privateUse);
        outPtr += sizeof privateUse;
        outLeft -= sizeof privateUse;
        in += 2;
        inLeft -= 2;
    }
    out.resize(oldSize + (bytes.size() * sizeof(char16_t) - outLeft) / sizeof(char16_t));
    return true;
}
