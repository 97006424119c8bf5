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
#include "Utf8Bytes.h"

#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Control identifiers of the reader window the driver reads or clicks.
constexpr int ReaderPage = 103;       // the rich-edit page box
constexpr int ReaderCaption = 110;    // "青简雅韵集 第N首"
constexpr int ReaderNextButton = 111; // next poem
constexpr int ReaderPoemList = 113;   // the poem list

struct Found {
    DWORD Process = 0;
    HWND Reader = nullptr;
    std::vector<HWND> Boxes;
};

BOOL CALLBACK Collect(HWND window, LPARAM state) {
    auto& found = *reinterpret_cast<Found*>(state);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    if (process == found.Process && IsWindowVisible(window)) {
        if (std::wstring(name) == L"#32770") {
            found.Boxes.push_back(window);
        } else if (std::wstring(name) == L"LuxiTangForm" &&
                   GetWindow(window, GW_OWNER) == nullptr) {
            found.Reader = window;
        }
    }
    return TRUE;
}

// The visible reader window and message boxes of the process.
Found Look(DWORD process) {
    Found found;
    found.Process = process;
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&found));
    return found;
}

// A window's text (the CR LF or CR of a rich edit's lines as LF when `lines`), or a combo
// box's entry `entry` (not -1).
std::wstring Text(HWND window, bool lines = false, int entry = -1) {
    DWORD_PTR length = 0;
    DWORD_PTR copied = 0;
    if (entry >= 0) {
        length = static_cast<DWORD_PTR>(SendMessageW(window, CB_GETLBTEXTLEN, entry, 0));
    } else {
        SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 10000, &length);
    }
    if (length == static_cast<DWORD_PTR>(CB_ERR)) {
        return {};
    }
    std::wstring text(length + 1, L'\0');
    const auto buffer = reinterpret_cast<LPARAM>(text.data());
    if (entry >= 0) {
        copied = static_cast<DWORD_PTR>(SendMessageW(window, CB_GETLBTEXT, entry, buffer));
    } else {
        SendMessageTimeoutW(window, WM_GETTEXT, text.size(), buffer, SMTO_NORMAL, 10000, &copied);
    }
    text.resize(copied == static_cast<DWORD_PTR>(CB_ERR) ? 0 : copied);
    for (size_t at = 0; lines && (at = text.find(L'\r', at)) != std::wstring::npos; ++at) {
        text.replace(at, text.compare(at, 2, L"\r\n") == 0 ? 2 : 1, L"\n");
    }
    return text;
}

std::string Utf8(const std::wstring& text) {
    return Utf8Bytes(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

void WriteUtf8(const std::wstring& path, const std::wstring& text) {
    if (FILE* file = _wfopen(path.c_str(), L"wb")) {
        const std::string bytes = Utf8(text);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}

// One line to standard output, at once.
void Print(const std::wstring& text) {
    std::fputs(Utf8(text + L"\n").c_str(), stdout);
    std::fflush(stdout);
}

bool Matches(const std::wstring& expected, const std::vector<std::wstring>& messages) {
    if (expected == L"any" || expected == L"none") {
        return messages.size() <= (expected == L"any" ? 1u : 0u);
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

// The caption, into `lines`, and the page, into REPORT.pageN (1 first, 2 after the next poem).
void ReportPage(HWND reader, const std::wstring& report, int page, std::wstring& lines) {
    const std::wstring caption = Text(GetDlgItem(reader, ReaderCaption));
    lines += (page == 1 ? L"caption " : L"caption-after-next ") + caption + L"\n";
    WriteUtf8(report + L".page" + std::to_wstring(page),
              Text(GetDlgItem(reader, ReaderPage), true));
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc == 5 ? argv[4] : L"";
    if ((argc != 4 && argc != 5) || (argc == 5 && mode != L"next" && mode != L"hold")) {
        Print(L"usage: BadInputDriver FOLDER "
              L"none|unreadable|no-poems|left-out|cut|too-large|replaced|full|any "
              L"REPORT [next|hold]");
        return 2;
    }
    const std::wstring expected = argv[2];
    const std::wstring report = argv[3];
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\\TangReader.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION program{};
    const DWORD startedAt = GetTickCount();
    // Started from another folder, as a shortcut may start it: ts.txt must come from the
    // program's own folder, not the current one.
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &program)) {
        Print(L"FAIL: the program did not start");
        return 1;
    }
    CloseHandle(program.hThread);

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
            // A box shown by a busy program may not have its text yet: read it next time.
            std::wstring line = Text(GetDlgItem(box, 0xFFFF));
            if (line.empty()) {
                continue;
            }
            messages.push_back(line);
            Print(L"message: " + line);
            for (size_t at; (at = line.find(L"\r\n")) != std::wstring::npos;) {
                line.replace(at, 2, L"|");
            }
            lines += L"message " + line + L"\n";
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
            Sleep(200);
        }
        // Done once the reader is up, takes input, and nothing has been said for a while.
        const bool quiet = reader != nullptr && found.Boxes.empty() && IsWindowEnabled(reader);
        quietSince = !quiet ? 0 : quietSince == 0 ? waited : quietSince;
        if (quiet && waited - quietSince >= 1500) {
            break;
        }
    }

    bool ok = reader != nullptr;
    if (!ok) {
        Print(L"FAIL: the reader window never appeared");
    } else {
        HWND list = GetDlgItem(reader, ReaderPoemList);
        const auto count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
        lines += L"entries " + std::to_wstring(count) + L"\n";
        if (count > 0) {
            lines += L"entry-first " + Text(list, false, 0) + L"\n";
            lines += L"entry-last " + Text(list, false, count - 1) + L"\n";
        }
        ReportPage(reader, report, 1, lines);
        if (mode == L"next") {
            const DWORD start = GetTickCount();
            DWORD_PTR result = 0;
            SendMessageTimeoutW(reader, WM_COMMAND, MAKEWPARAM(ReaderNextButton, BN_CLICKED),
                                reinterpret_cast<LPARAM>(GetDlgItem(reader, ReaderNextButton)),
                                SMTO_NORMAL, 120000, &result);
            lines += L"next-ms " + std::to_wstring(GetTickCount() - start) + L"\n";
            ReportPage(reader, report, 2, lines);
        }
        PROCESS_MEMORY_COUNTERS memory{};
        memory.cb = sizeof memory;
        if (GetProcessMemoryInfo(program.hProcess, &memory, sizeof memory)) {
            lines += L"peak-kb " + std::to_wstring(memory.PeakWorkingSetSize / 1024) + L"\n";
        }
    }
    WriteUtf8(report, lines);
    // Held, at most ten minutes, until the file that says the program may be closed appears,
    // or the program ends by itself (which the exit-code check then reports).
    const std::wstring close = report + L".close";
    for (int held = 0; ok && mode == L"hold" && held < 6000; ++held) {
        if (GetFileAttributesW(close.c_str()) != INVALID_FILE_ATTRIBUTES ||
            WaitForSingleObject(program.hProcess, 100) == WAIT_OBJECT_0) {
            break;
        }
    }
    if (reader != nullptr) {
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
    CloseHandle(program.hProcess);
    if (exitCode != 0) {
        Print(L"FAIL: exit code " + std::to_wstring(exitCode));
        ok = false;
    }
    Print(ok ? L"ok" : L"FAILED");
    return ok ? 0 : 1;
}
