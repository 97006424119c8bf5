#include "SystemLibrary.h"

#include <string>

namespace ui {

HMODULE LoadSystemLibrary(const wchar_t* name, LibraryLoader load) {
    const HMODULE library = load(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (library != nullptr || GetLastError() != ERROR_INVALID_PARAMETER) {
        return library;
    }
    // An older Windows: name the file in the system folder. The altered search path makes the
    // DLL's own dependencies resolve from its folder too, not from the program's.
    std::wstring path(MAX_PATH, L'\0');
    const UINT length = GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size()));
    if (length == 0 || length >= path.size()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    path.resize(length);
    path += L'\\';
    path += name;
    return load(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

} // namespace ui
