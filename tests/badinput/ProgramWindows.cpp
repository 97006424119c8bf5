#include "ProgramWindows.h"
#include "Utf8Bytes.h"

#include <cstdio>

namespace {

std::wstring ClassOf(HWND window) {
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    return name;
}

BOOL CALLBACK Collect(HWND window, LPARAM state) {
    auto& found = *reinterpret_cast<Found*>(state);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != found.Process || !IsWindowVisible(window)) {
        return TRUE;
    }
    const std::wstring name = ClassOf(window);
    if (name == L"#32770") {
        found.Boxes.push_back(window);
    } else if (name == L"LuxiTangForm" && GetWindow(window, GW_OWNER) == nullptr) {
        found.Reader = window;
    }
    return TRUE;
}

} // namespace

Found Look(DWORD process) {
    Found found;
    found.Process = process;
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::wstring Text(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    text.resize(copied);
    return text;
}

std::wstring ListEntry(HWND comboBox, int index) {
    const auto length = SendMessageW(comboBox, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) {
        return {};
    }
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(comboBox, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
    return text;
}

std::wstring PageText(HWND page) {
    const std::wstring text = Text(page);
    std::wstring lines;
    lines.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r') {
            lines += L'\n';
            i += i + 1 < text.size() && text[i + 1] == L'\n' ? 1 : 0;
        } else {
            lines += text[i];
        }
    }
    return lines;
}

std::string Utf8(const std::wstring& text) {
    return Utf8Bytes(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

void WriteUtf8(const std::wstring& path, const std::wstring& text) {
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (file == nullptr) {
        return;
    }
    const std::string bytes = Utf8(text);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

void Print(const std::wstring& text) {
    std::fputs(Utf8(text + L"\n").c_str(), stdout);
    std::fflush(stdout);
}
