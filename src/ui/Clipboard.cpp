#include "Clipboard.h"

#include "DeviceContext.h"
#include "UniqueHandle.h"

#include <cstring>

namespace ui {

namespace {

// The clipboard is open while this lives.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenedClipboard() {
        if (open_) {
            CloseClipboard();
        }
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool IsOpen() const { return open_; }

private:
    bool open_;
};

// The text in global memory, as the clipboard takes it, or nothing when there is no memory.
UniqueGlobal GlobalCopyOf(const std::u16string& text) {
    const size_t bytes = (text.size() + 1) * sizeof(char16_t);
    UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    void* target = memory ? GlobalLock(memory.get()) : nullptr;
    if (target == nullptr) {
        return {};
    }
    std::memcpy(target, text.c_str(), bytes);
    GlobalUnlock(memory.get());
    return memory;
}

// The bitmap as CF_DIB holds it: the header, then the rows from the bottom up, each of 3 bytes
// a pixel padded to a multiple of 4; nothing when there is no memory.
UniqueGlobal GlobalDibOf(HBITMAP picture) {
    BITMAP size{};
    if (GetObjectW(picture, sizeof size, &size) == 0 || size.bmWidth <= 0 || size.bmHeight <= 0) {
        return {};
    }
    const size_t stride = (static_cast<size_t>(size.bmWidth) * 3 + 3) / 4 * 4;
    const size_t rows = static_cast<size_t>(size.bmHeight);
    UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, sizeof(BITMAPINFOHEADER) + stride * rows));
    void* target = memory ? GlobalLock(memory.get()) : nullptr;
    if (target == nullptr) {
        return {};
    }
    auto* header = static_cast<BITMAPINFOHEADER*>(target);
    *header = {};
    header->biSize = sizeof *header;
    header->biWidth = size.bmWidth;
    header->biHeight = size.bmHeight; // positive: bottom-up
    header->biPlanes = 1;
    header->biBitCount = 24;
    header->biCompression = BI_RGB;
    header->biSizeImage = static_cast<DWORD>(stride * rows);
    const WindowDc screen(nullptr);
    const int copied = GetDIBits(screen.Get(), picture, 0, static_cast<UINT>(rows), header + 1,
                                 reinterpret_cast<BITMAPINFO*>(header), DIB_RGB_COLORS);
    GlobalUnlock(memory.get());
    if (copied != size.bmHeight) {
        return {};
    }
    return memory;
}

// The clipboard is emptied only once the content is ready, so that a failure keeps what it had.
bool PutOnClipboard(HWND owner, UINT format, UniqueGlobal memory) {
    const OpenedClipboard clipboard(owner);
    if (!memory || !clipboard.IsOpen() || !EmptyClipboard()) {
        return false;
    }
    if (SetClipboardData(format, memory.get()) == nullptr) {
        return false;
    }
    memory.release(); // the clipboard owns it now
    return true;
}

} // namespace

bool PutTextOnClipboard(HWND owner, const std::u16string& text) {
    return PutOnClipboard(owner, CF_UNICODETEXT, GlobalCopyOf(text));
}

bool PutPictureOnClipboard(HWND owner, HBITMAP picture) {
    return PutOnClipboard(owner, CF_DIB, GlobalDibOf(picture));
}

} // namespace ui
