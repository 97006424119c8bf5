#include "Form1.h"
#include "MessageLoop.h"
#include "Module1.h"

#include <commctrl.h>
#include <filesystem>
#include <string>
#include <windows.h>

namespace {

std::filesystem::path ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2); // a long path: try again with more room
    }
    return std::filesystem::path(path).parent_path();
}

// Later DLL loads by bare name look only in the system folder, never beside the program or in
// the current folder. Windows 7 and Vista without update KB2533623 lack
// SetDefaultDllDirectories; there the current folder at least leaves the search order, and the
// program's own loads name the system folder (LoadSystemLibrary).
void LoadLibrariesFromSystemFolderOnly() {
    SetDllDirectoryW(L"");
    using SetDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const FARPROC found =
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (found != nullptr) {
        reinterpret_cast<SetDirectoriesFunction>(reinterpret_cast<void*>(found))(
            LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    LoadLibrariesFromSystemFolderOnly();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    Module1 module1;
    Form1 form1(module1, ProgramFolder() / L"ts.txt", [] { PostQuitMessage(0); });
    form1.Form_Load();
    form1.Show();
    form1.ReportLoadProblems();
    return ui::RunMessageLoop();
}
