#include "CodePage936.h"

#include <climits>
#include <windows.h>

namespace {
constexpr UINT Gbk = 936; // never CP_ACP: the anthology is GBK whatever the display language
// Whatever the code page gives a well-formed character is kept, private-use characters too:
// they are the user-defined ones, drawn by the user's own font.
} // namespace

CodePage936Decoder::CodePage936Decoder() = default;
CodePage936Decoder::~CodePage936Decoder() = default;

bool CodePage936Decoder::AppendStrict(std::string_view bytes, std::u16string& out) {
    if (bytes.empty()) {
        return true;
    }
    if (bytes.size() > static_cast<size_t>(INT_MAX)) {
        return false;
    }
    // A GBK character never takes more units than bytes, so one call with room for as many
    // units as bytes converts the piece; asking for the size first would read it twice.
    const int byteCount = static_cast<int>(bytes.size());
    const size_t oldSize = out.size();
    out.resize(oldSize + bytes.size());
    const int written =
        MultiByteToWideChar(Gbk, MB_ERR_INVALID_CHARS, bytes.data(), byteCount,
                            reinterpret_cast<wchar_t*>(out.data() + oldSize), byteCount);
    out.resize(written > 0 ? oldSize + static_cast<size_t>(written) : oldSize);
    return written > 0;
}
