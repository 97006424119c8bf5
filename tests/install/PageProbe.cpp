// Starts an installed or unpacked TangReader.exe as a user would, waits for its reader window,
// prints the text of its page (UTF-8, one line "page: ..." per line of the page), closes the
// window and checks that the program ends with exit code 0. Any message box is a failure: the
// bundled anthology loads without one.
//
//   PageProbe FOLDER
#include <windows.h>

#include <richedit.h>

#include <cstdio>
#include <string>

namespace {

struct Found {
    DWORD Process = 0;
    HWND Reader = nullptr;
    HWND MessageBox = nullptr;
};

std::wstring ClassOf(HWND window) {
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    return name;
}

BOOL CALLBACK Collect(HWND window, LPARAM state) {
    auto& found = *reinterpret_cast<Found*>(state);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == found.Process && IsWindowVisible(window)) {
        const std::wstring name = ClassOf(window);
        if (name == L"#32770") {
            found.MessageBox = window;
        } else if (name == L"LuxiTangForm" && GetWindow(window, GW_OWNER) == nullptr) {
            found.Reader = window;
        }
    }
    return TRUE;
}

BOOL CALLBACK FindRichEdit(HWND window, LPARAM result) {
    const std::wstring name = ClassOf(window);
    // Wine spells the class names in mixed case.
    if (_wcsicmp(name.c_str(), MSFTEDIT_CLASS) == 0 ||
        _wcsicmp(name.c_str(), RICHEDIT_CLASSW) == 0) {
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
    }
    return TRUE;
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

void Print(const std::wstring& text) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), size, nullptr, nullptr);
    std::fputs(bytes.c_str(), stdout);
    std::fputs("\n", stdout);
    std::fflush(stdout);
}

void PrintPage(const std::wstring& page) {
    size_t start = 0;
    while (start <= page.size()) {
        size_t end = page.find_first_of(L"\r\n", start);
        end = end == std::wstring::npos ? page.size() : end;
        Print(L"page: " + page.substr(start, end - start));
        start = end + 1;
        if (start < page.size() && page[end] == L'\r' && page[start] == L'\n') {
            ++start;
        }
    }
}

struct StartedProgram {
    PROCESS_INFORMATION Info{};
    ~StartedProgram() {
        if (Info.hThread != nullptr) {
            CloseHandle(Info.hThread);
        }
        if (Info.hProcess != nullptr) {
            CloseHandle(Info.hProcess);
        }
    }
};

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        Print(L"usage: PageProbe FOLDER");
        return 2;
    }
    const std::wstring folder = argv[1];
    std::wstring command = L"\"" + folder + L"\\TangReader.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    StartedProgram program;
    // Started from another folder, as a shortcut would: ts.txt must come from the program's own.
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &program.Info)) {
        Print(L"FAIL: the program did not start");
        return 1;
    }
    Found found;
    found.Process = program.Info.dwProcessId;
    for (int waited = 0; waited < 60000 && found.MessageBox == nullptr; waited += 100) {
        if (WaitForSingleObject(program.Info.hProcess, 100) == WAIT_OBJECT_0) {
            Print(L"FAIL: the program ended by itself");
            return 1;
        }
        EnumWindows(Collect, reinterpret_cast<LPARAM>(&found));
        if (found.Reader != nullptr && IsWindowEnabled(found.Reader)) {
            break;
        }
    }
    bool ok = found.MessageBox == nullptr && found.Reader != nullptr;
    if (found.MessageBox != nullptr) {
        Print(L"FAIL: a message box: " + Text(GetDlgItem(found.MessageBox, 0xFFFF)));
        TerminateProcess(program.Info.hProcess, 99);
        return 1;
    }
    if (found.Reader == nullptr) {
        Print(L"FAIL: the reader window never appeared");
        TerminateProcess(program.Info.hProcess, 99);
        return 1;
    }
    HWND page = nullptr;
    EnumChildWindows(found.Reader, FindRichEdit, reinterpret_cast<LPARAM>(&page));
    if (page == nullptr) {
        Print(L"FAIL: the reader has no page box");
        ok = false;
    } else {
        PrintPage(Text(page));
    }
    PostMessageW(found.Reader, WM_CLOSE, 0, 0);
    DWORD exitCode = STILL_ACTIVE;
    if (WaitForSingleObject(program.Info.hProcess, 30000) != WAIT_OBJECT_0) {
        Print(L"FAIL: the program did not end when its window was closed");
        TerminateProcess(program.Info.hProcess, 99);
        return 1;
    }
    GetExitCodeProcess(program.Info.hProcess, &exitCode);
    if (exitCode != 0) {
        Print(L"FAIL: exit code " + std::to_wstring(exitCode));
        ok = false;
    }
    return ok ? 0 : 1;
}
