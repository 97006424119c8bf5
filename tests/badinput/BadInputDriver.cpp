// Starts the real program in a folder of its own, as a user would, and checks that it comes
// up, says what it should say about its ts.txt, and ends cleanly when its window is closed.
// It also writes down what the user sees, for the calling script to compare:
//
//   BadInputDriver FOLDER EXPECTED REPORT [next|hold]
//
// EXPECTED is one of: none, unreadable, no-poems, left-out, cut, too-large, replaced (characters
// that could not be read), full (a list is full), any. REPORT is a file name: it gets the time
// until the window appeared, the peak memory, every message, the poem list's entry count, first
// and last entries and the page caption; REPORT.page1 gets the page's text. With `next`, the
// reader's next-poem button is clicked once; REPORT gets the time the page took and
// REPORT.page2 the new page. With `hold`, the program is left running once REPORT is written,
// until a file REPORT.close appears; then it is closed as usual.
#include "ProgramWindows.h"

#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

bool Matches(const std::wstring& expected, const std::vector<std::wstring>& messages) {
    if (expected == L"any") {
        return messages.size() <= 1;
    }
    if (expected == L"none") {
        return messages.empty();
    }
    const wchar_t* marker = expected == L"unreadable"  ? L"无法读取"
                            : expected == L"no-poems"  ? L"没有找到"
                            : expected == L"cut"       ? L"截断"
                            : expected == L"too-large" ? L"文件太大"
                            : expected == L"replaced"  ? L"无法识别"
                            : expected == L"full"      ? L"列表已满"
                                                       : L"没有读入";
    return messages.size() == 1 && messages[0].find(marker) != std::wstring::npos;
}

// What the reader shows once it is up, written down for the script.
void ReportReader(HWND reader, const std::wstring& report, std::wstring& lines) {
    HWND list = GetDlgItem(reader, ReaderPoemList);
    const auto count = SendMessageW(list, CB_GETCOUNT, 0, 0);
    lines += L"entries " + std::to_wstring(count) + L"\n";
    if (count > 0) {
        lines += L"entry-first " + ListEntry(list, 0) + L"\n";
        lines += L"entry-last " + ListEntry(list, static_cast<int>(count) - 1) + L"\n";
    }
    lines += L"caption " + Text(GetDlgItem(reader, ReaderCaption)) + L"\n";
    WriteUtf8(report + L".page1", PageText(GetDlgItem(reader, ReaderPage)));
}

// Clicks the next-poem button and reports how long the new page took.
void StepOnce(HWND reader, const std::wstring& report, std::wstring& lines) {
    const DWORD start = GetTickCount();
    DWORD_PTR result = 0;
    SendMessageTimeoutW(reader, WM_COMMAND, MAKEWPARAM(ReaderNextButton, BN_CLICKED),
                        reinterpret_cast<LPARAM>(GetDlgItem(reader, ReaderNextButton)), SMTO_NORMAL,
                        120000, &result);
    lines += L"next-ms " + std::to_wstring(GetTickCount() - start) + L"\n";
    lines += L"caption-after-next " + Text(GetDlgItem(reader, ReaderCaption)) + L"\n";
    WriteUtf8(report + L".page2", PageText(GetDlgItem(reader, ReaderPage)));
}

// Waits, at most ten minutes, for the file that says the program may be closed, or for the
// program to end by itself (which the exit-code check then reports).
void HoldUntilAsked(const std::wstring& signal, HANDLE program) {
    for (int waited = 0; waited < 600000; waited += 100) {
        if (GetFileAttributesW(signal.c_str()) != INVALID_FILE_ATTRIBUTES ||
            WaitForSingleObject(program, 100) == WAIT_OBJECT_0) {
            return;
        }
    }
}

std::wstring OneLine(std::wstring text) {
    for (size_t at = text.find(L"\r\n"); at != std::wstring::npos; at = text.find(L"\r\n", at)) {
        text.replace(at, 2, L"|");
    }
    return text;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4 && argc != 5) {
        Print(L"usage: BadInputDriver FOLDER "
              L"none|unreadable|no-poems|left-out|cut|too-large|replaced|full|any "
              L"REPORT [next|hold]");
        return 2;
    }
    const std::wstring folder = argv[1];
    const std::wstring expected = argv[2];
    const std::wstring report = argv[3];
    const bool step = argc == 5 && std::wstring(argv[4]) == L"next";
    const bool hold = argc == 5 && std::wstring(argv[4]) == L"hold";
    std::wstring command = L"\"" + folder + L"\\TangReader.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    StartedProgram started;
    PROCESS_INFORMATION& program = started.Info;
    const DWORD startedAt = GetTickCount();
    // Started from another folder, as a shortcut may start it: ts.txt must come from the
    // program's own folder, not the current one.
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &program)) {
        Print(L"FAIL: the program did not start");
        return 1;
    }

    std::wstring lines;
    std::vector<std::wstring> messages;
    HWND reader = nullptr;
    DWORD quietSince = 0;
    for (DWORD waited = 0; waited < 120000;) {
        // Finely until the window is up, so that the time to it is exact to about 10 ms.
        const DWORD interval = reader == nullptr ? 10 : 50;
        if (WaitForSingleObject(program.hProcess, interval) == WAIT_OBJECT_0) {
            break; // it ended by itself: a crash, since nobody closed it
        }
        waited += interval;
        const Found found = Look(program.dwProcessId);
        if (reader == nullptr && found.Reader != nullptr) {
            lines += L"window-ms " + std::to_wstring(GetTickCount() - startedAt) + L"\n";
        }
        reader = found.Reader != nullptr ? found.Reader : reader;
        for (HWND box : found.Boxes) {
            messages.push_back(Text(GetDlgItem(box, 0xFFFF)));
            Print(L"message: " + messages.back());
            lines += L"message " + OneLine(messages.back()) + L"\n";
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
        ReportReader(reader, report, lines);
        if (step) {
            StepOnce(reader, report, lines);
        }
        PROCESS_MEMORY_COUNTERS memory{};
        memory.cb = sizeof memory;
        if (GetProcessMemoryInfo(program.hProcess, &memory, sizeof memory)) {
            lines += L"peak-kb " + std::to_wstring(memory.PeakWorkingSetSize / 1024) + L"\n";
        }
    }
    WriteUtf8(report, lines);
    if (reader != nullptr) {
        if (hold) {
            HoldUntilAsked(report + L".close", program.hProcess);
        }
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
