#pragma once

// Finding and reading the windows of the program under test, from another process.
#include <windows.h>

#include <string>
#include <vector>

// Control identifiers of the reader window the driver reads or clicks.
inline constexpr int ReaderPage = 103;       // the rich-edit page box
inline constexpr int ReaderCaption = 110;    // "青简雅韵集 第N首"
inline constexpr int ReaderNextButton = 111; // next poem
inline constexpr int ReaderPoemList = 113;   // the poem list

struct Found {
    DWORD Process = 0;
    HWND Reader = nullptr;
    std::vector<HWND> Boxes;
};

// The visible reader window and message boxes of the process.
Found Look(DWORD process);

std::wstring Text(HWND window);
std::wstring ListEntry(HWND comboBox, int index);
// The page's whole text, each line ended by LF alone whatever the control uses.
std::wstring PageText(HWND page);

std::string Utf8(const std::wstring& text);
void WriteUtf8(const std::wstring& path, const std::wstring& text);
// Writes one line of UTF-8 to standard output, at once.
void Print(const std::wstring& text);

// Closes the process and thread handles of a started program.
struct StartedProgram {
    PROCESS_INFORMATION Info{};
    StartedProgram() = default;
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;
    ~StartedProgram() {
        if (Info.hThread != nullptr) {
            CloseHandle(Info.hThread);
        }
        if (Info.hProcess != nullptr) {
            CloseHandle(Info.hProcess);
        }
    }
};
