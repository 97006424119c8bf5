// Starts an installed or unpacked TangReader.exe as a user would, waits for its reader window,
// prints the text of its page (UTF-8, one line "page: ..." per line of the page), closes the
// window and checks that the program ends with exit code 0. Any message box is a failure: the
// bundled anthology loads without one.
//
//   PageProbe FOLDER
#include "ProgramWindows.h"

#include <string>

namespace {

void PrintPage(const std::wstring& page) {
    for (size_t start = 0; start <= page.size();) {
        size_t end = page.find(L'\n', start);
        end = end == std::wstring::npos ? page.size() : end;
        Print(L"page: " + page.substr(start, end - start));
        start = end + 1;
    }
}

// Waits until the reader is up, takes input and has stayed so for a while (a message about
// the anthology comes only after the window shows), a message box shows, or the program ends.
Found WaitForReader(const StartedProgram& program) {
    Found found;
    int quietSince = -1;
    for (int waited = 0; waited < 60000; waited += 100) {
        if (WaitForSingleObject(program.Info.hProcess, 100) == WAIT_OBJECT_0) {
            return Found{};
        }
        found = Look(program.Info.dwProcessId);
        if (!found.Boxes.empty()) {
            break;
        }
        const bool usable = found.Reader != nullptr && IsWindowEnabled(found.Reader);
        quietSince = !usable ? -1 : quietSince < 0 ? waited : quietSince;
        if (usable && waited - quietSince >= 1000) {
            break;
        }
    }
    return found;
}

int Fail(const StartedProgram& program, const std::wstring& why) {
    Print(L"FAIL: " + why);
    TerminateProcess(program.Info.hProcess, 99);
    return 1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        Print(L"usage: PageProbe FOLDER");
        return 2;
    }
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\\TangReader.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    StartedProgram program;
    // Started from another folder, as a shortcut would: ts.txt must come from the program's own.
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &program.Info)) {
        Print(L"FAIL: the program did not start");
        return 1;
    }
    const Found found = WaitForReader(program);
    if (!found.Boxes.empty()) {
        return Fail(program, L"a message box: " + Text(GetDlgItem(found.Boxes[0], 0xFFFF)));
    }
    if (found.Reader == nullptr) {
        return Fail(program, L"the reader window never appeared, or the program ended by itself");
    }
    PrintPage(PageText(GetDlgItem(found.Reader, ReaderPage)));
    PostMessageW(found.Reader, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(program.Info.hProcess, 30000) != WAIT_OBJECT_0) {
        return Fail(program, L"the program did not end when its window was closed");
    }
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(program.Info.hProcess, &exitCode);
    if (exitCode != 0) {
        Print(L"FAIL: exit code " + std::to_wstring(exitCode));
        return 1;
    }
    return 0;
}
