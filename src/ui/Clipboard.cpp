#include "Clipboard.h"

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

} // namespace

bool PutTextOnClipboard(HWND owner, const std::u16string& text) {
    UniqueGlobal memory = GlobalCopyOf(text);
    const OpenedClipboard clipboard(owner);
    if (!memory || !clipboard.IsOpen() || !EmptyClipboard()) {
        return false;
    }
    if (SetClipboardData(CF_UNICODETEXT, memory.get()) == nullptr) {
        return false;
    }
    memory.release(); // the clipboard owns it now
    return true;
}

} // namespace ui
