#pragma once

#include <cstdint>
#include <string>
#include <windows.h>

// Thin views of the standard controls, in the program's UTF-16 text. They do not own the
// control: a child window lives and dies with its form.
namespace ui {

std::u16string WindowText(HWND window);

// Turns a control's redrawing off for a bulk change and back on, then repaints it.
class RedrawSuspended {
public:
    explicit RedrawSuspended(HWND window);
    ~RedrawSuspended();
    RedrawSuspended(const RedrawSuspended&) = delete;
    RedrawSuspended& operator=(const RedrawSuspended&) = delete;

private:
    HWND window_;
};

class ComboBox {
public:
    ComboBox() = default;
    explicit ComboBox(HWND window) : window_(window) {}
    HWND Handle() const { return window_; }

    // The new entry's position, or a negative value when the list refused it (CB_ERRSPACE
    // once its storage is full).
    int AddItem(const std::u16string& text) const;
    int ListCount() const;
    std::u16string List(int index) const;
    int ListIndex() const;
    // Selects an entry without raising the selection-change notification.
    void SetListIndex(int index) const;
    std::u16string Text() const { return WindowText(window_); }
    void ReserveItems(size_t count, size_t characters) const;

private:
    HWND window_ = nullptr;
};

class ListBox {
public:
    ListBox() = default;
    explicit ListBox(HWND window) : window_(window) {}
    HWND Handle() const { return window_; }

    // The new entry's position, or a negative value when the list refused it (LB_ERRSPACE
    // once its storage is full).
    int AddItem(const std::u16string& text) const;
    void RemoveItem(int index) const;
    void Clear() const;
    int ListCount() const;
    std::u16string List(int index) const;
    int ListIndex() const;
    void SetListIndex(int index) const;
    int32_t ItemData(int index) const;
    // False when the list refused the value.
    bool SetItemData(int index, int32_t value) const;
    void ReserveItems(size_t count, size_t characters) const;

private:
    HWND window_ = nullptr;
};

} // namespace ui
