#include "Controls.h"

namespace ui {

namespace {
const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}
LPARAM TextParam(const std::u16string& text) {
    return reinterpret_cast<LPARAM>(Wide(text));
}

std::u16string ItemText(HWND window, UINT lengthMessage, UINT textMessage, int index) {
    const auto length = SendMessageW(window, lengthMessage, static_cast<WPARAM>(index), 0);
    if (length < 0) {
        return {};
    }
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    const auto copied = SendMessageW(window, textMessage, static_cast<WPARAM>(index),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
    return text;
}
} // namespace

std::u16string WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    const int copied = GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

RedrawSuspended::RedrawSuspended(HWND window) : window_(window) {
    SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
}

RedrawSuspended::~RedrawSuspended() {
    SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

int ComboBox::AddItem(const std::u16string& text) const {
    return static_cast<int>(SendMessageW(window_, CB_ADDSTRING, 0, TextParam(text)));
}
int ComboBox::ListCount() const {
    return static_cast<int>(SendMessageW(window_, CB_GETCOUNT, 0, 0));
}
std::u16string ComboBox::List(int index) const {
    return ItemText(window_, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}
int ComboBox::ListIndex() const {
    return static_cast<int>(SendMessageW(window_, CB_GETCURSEL, 0, 0));
}
void ComboBox::SetListIndex(int index) const {
    SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}
void ComboBox::ReserveItems(size_t count, size_t characters) const {
    SendMessageW(window_, CB_INITSTORAGE, count, static_cast<LPARAM>(characters * sizeof(wchar_t)));
}

int ListBox::AddItem(const std::u16string& text) const {
    return static_cast<int>(SendMessageW(window_, LB_ADDSTRING, 0, TextParam(text)));
}
void ListBox::RemoveItem(int index) const {
    SendMessageW(window_, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}
void ListBox::Clear() const {
    SendMessageW(window_, LB_RESETCONTENT, 0, 0);
}
int ListBox::ListCount() const {
    return static_cast<int>(SendMessageW(window_, LB_GETCOUNT, 0, 0));
}
std::u16string ListBox::List(int index) const {
    return ItemText(window_, LB_GETTEXTLEN, LB_GETTEXT, index);
}
int ListBox::ListIndex() const {
    return static_cast<int>(SendMessageW(window_, LB_GETCURSEL, 0, 0));
}
void ListBox::SetListIndex(int index) const {
    SendMessageW(window_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}
int32_t ListBox::ItemData(int index) const {
    return static_cast<int32_t>(
        SendMessageW(window_, LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}
bool ListBox::SetItemData(int index, int32_t value) const {
    return SendMessageW(window_, LB_SETITEMDATA, static_cast<WPARAM>(index),
                        static_cast<LPARAM>(value)) != LB_ERR;
}
void ListBox::ReserveItems(size_t count, size_t characters) const {
    SendMessageW(window_, LB_INITSTORAGE, count, static_cast<LPARAM>(characters * sizeof(wchar_t)));
}

} // namespace ui
