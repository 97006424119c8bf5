#include "Clipboard.h"

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

// Global memory that is freed unless the clipboard has taken it over.
class GlobalText {
public:
    explicit GlobalText(const std::u16string& text)
        : memory_(GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t))) {
        if (void* bytes = memory_ != nullptr ? GlobalLock(memory_) : nullptr) {
            std::memcpy(bytes, text.c_str(), (text.size() + 1) * sizeof(char16_t));
            GlobalUnlock(memory_);
        }
    }
    ~GlobalText() {
        if (memory_ != nullptr) {
            GlobalFree(memory_);
        }
    }
    GlobalText(const GlobalText&) = delete;
    GlobalText& operator=(const GlobalText&) = delete;
    HGLOBAL Get() const { return memory_; }
    void HandOver() { memory_ = nullptr; }

private:
    HGLOBAL memory_;
};

} // namespace

bool PutTextOnClipboard(HWND owner, const std::u16string& text) {
    GlobalText memory(text);
    const OpenedClipboard clipboard(owner);
    if (memory.Get() == nullptr || !clipboard.IsOpen() || !EmptyClipboard()) {
        return false;
    }
    if (SetClipboardData(CF_UNICODETEXT, memory.Get()) == nullptr) {
        return false;
    }
    memory.HandOver();
    return true;
}

} // namespace ui
