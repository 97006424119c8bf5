// Starts the real program in a folder of its own, as a user would, and checks that it comes
// up, says what it should say about its ts.txt, and ends cleanly when its window is closed.
//
//   BadInputDriver FOLDER EXPECTED
//
// EXPECTED is one of: none, unreadable, no-poems, left-out, any.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Found {
    DWORD Process = 0;
    HWND Reader = nullptr;
    std::vector<HWND> Boxes;
};

std::wstring Text(HWND window) {
    wchar_t text[4096]{};
    SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, nullptr);
    return text;
}

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

Found Look(DWORD process) {
    Found found;
    found.Process = process;
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&found));
    return found;
}

bool Matches(const std::wstring& expected, const std::vector<std::wstring>& messages) {
    if (expected == L"any") {
        return messages.size() <= 1;
    }
    if (expected == L"none") {
        return messages.empty();
    }
    const wchar_t* marker = expected == L"unreadable" ? L"无法读取"
                            : expected == L"no-poems" ? L"没有找到"
                                                      : L"没有读入";
    return messages.size() == 1 && messages[0].find(marker) != std::wstring::npos;
}

// Closes the process and thread handles of a started program.
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

void Print(const std::wstring& text) {
    // UTF-8, so that the log reads the same on any console.
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), size, nullptr, nullptr);
    std::fputs(bytes.c_str(), stdout);
    std::fputs("\n", stdout);
    std::fflush(stdout);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        Print(L"usage: BadInputDriver FOLDER none|unreadable|no-poems|left-out|any");
        return 2;
    }
    const std::wstring folder = argv[1];
    const std::wstring expected = argv[2];
    std::wstring command = L"\"" + folder + L"\\TangReader.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    StartedProgram started;
    PROCESS_INFORMATION& program = started.Info;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &program)) {
        Print(L"FAIL: the program did not start");
        return 1;
    }

    std::vector<std::wstring> messages;
    HWND reader = nullptr;
    DWORD quietSince = 0;
    for (DWORD waited = 0; waited < 120000; waited += 50) {
        if (WaitForSingleObject(program.hProcess, 50) == WAIT_OBJECT_0) {
            break; // it ended by itself: a crash, since nobody closed it
        }
        const Found found = Look(program.dwProcessId);
        reader = found.Reader != nullptr ? found.Reader : reader;
        for (HWND box : found.Boxes) {
            messages.push_back(Text(GetDlgItem(box, 0xFFFF)));
            Print(L"message: " + messages.back());
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
            Sleep(200);
        }
        // Done once the reader is up, takes input, and nothing has been said for a while.
        if (reader != nullptr && found.Boxes.empty() && IsWindowEnabled(reader)) {
            quietSince = quietSince == 0 ? waited : quietSince;
            if (waited - quietSince >= 1500) {
                break;
            }
        } else {
            quietSince = 0;
        }
    }

    bool ok = true;
    if (reader == nullptr) {
        Print(L"FAIL: the reader window never appeared");
        ok = false;
    } else {
        PostMessageW(reader, WM_CLOSE, 0, 0);
    }
    if (!Matches(expected, messages)) {
        Print(L"FAIL: expected message '" + expected + L"', saw " +
              std::to_wstring(messages.size()));
        ok = false;
    }
    DWORD exitCode = STILL_ACTIVE;
    if (WaitForSingleObject(program.hProcess, 30000) != WAIT_OBJECT_0) {
        Print(L"FAIL: the program did not end when its window was closed");
        TerminateProcess(program.hProcess, 99);
        ok = false;
    }
    GetExitCodeProcess(program.hProcess, &exitCode);
    if (exitCode != 0) {
        Print(L"FAIL: exit code " + std::to_wstring(exitCode));
        ok = false;
    }
    Print(ok ? L"ok" : L"FAILED");
    return ok ? 0 : 1;
}
