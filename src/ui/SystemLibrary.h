#pragma once

#include <windows.h>

namespace ui {

// The signature of LoadLibraryExW; tests pass a stand-in to play an older Windows.
using LibraryLoader = HMODULE(WINAPI*)(LPCWSTR name, HANDLE reserved, DWORD flags);

// Loads a DLL of the Windows system folder, never one of the same name beside the program or
// in the current folder. Windows 7 and Vista without update KB2533623 refuse the search flag
// with ERROR_INVALID_PARAMETER; there the DLL is loaded by its full path in the system folder.
// Returns null, with the loader's error code in GetLastError, when the DLL cannot be loaded.
HMODULE LoadSystemLibrary(const wchar_t* name, LibraryLoader load = LoadLibraryExW);

} // namespace ui
