#pragma once

#include "KeyChords.h"
#include "MessageLoop.h"
#include "Form1.h"
#include "Form2.h"
#include "MessageParagraphs.h"
#include "Module1.h"
#include "UniqueHandle.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// Three poems of one line each, titled 一, 二 and 三.
inline const std::u8string ThreePoems =
    u8"<一>\r\n(甲)\r\nA\r\n//N//\r\n<二>\r\n(乙)\r\nB\r\n//N//\r\n"
    u8"<三>\r\n(丙)\r\nC\r\n//N//\r\n";

// Starts the reader on an anthology of the test's own, in a folder of its own.
class ReaderFixture : public ::testing::Test {
protected:
    void TearDown() override;

    // Writes `bytes` as ts.txt (or no file, for nullptr) and starts the reader on it.
    void Start(const std::string* bytes);
    void StartWithUtf8(const std::u8string& text); // written with the UTF-8 byte-order mark
    // Shows the search window as the reader's search button does.
    void OpenSearch();

    // Sends a click to a control as the user's click would arrive.
    static void Click(HWND control);

    HWND ReaderControl(int id) const { return reader->Control(id); }
    Form2& Search() const { return reader->SearchWindow(); }
    HWND SearchControl(int id) const { return Search().Control(id); }
    std::u16string Caption() const;
    // Checks that the poem at `index` is the current one: selected, counted and on the page.
    void ExpectShowing(int index) const;
    // Tells the reader it now stands on a monitor of `dpi`, as Windows does.
    void MoveToDpi(int dpi);
    std::u16string PageText() const;
    // The text the library makes of the poem at `index` for the page, its runs one after another.
    std::u16string RunsOf(int index) const;
    struct PageFormat {
        bool AutoColour;
        COLORREF Colour;
        bool Bold;
        LONG Size;      // in twips
        WORD Alignment; // of the paragraph
    };
    // The look of the page's character at `position`, where a line break counts one.
    PageFormat PageFormatAt(long position) const;
    // The page's zoom in percent, as the size its box draws the title at (240 twips at 100 %,
    // outside high contrast) once it has been painted.
    int PageZoom() const;
    struct Result {
        std::u16string Text;
        int32_t Index; // of the poem the entry opens
        bool operator==(const Result&) const = default;
    };
    std::vector<Result> Results() const; // the search window's result list

    Module1 shared;
    std::unique_ptr<Form1> reader;
    bool programEnded = false;
    std::filesystem::path folder;
};

// Sole owner of a hook on this thread's windows.
using UniqueHook = ui::UniqueHandle<HHOOK, UnhookWindowsHookEx>;
inline UniqueHook HookThisThread(int kind, HOOKPROC procedure) {
    return UniqueHook(SetWindowsHookExW(kind, procedure, nullptr, GetCurrentThreadId()));
}

std::u16string Utf16(const std::u8string& text);

// `text` `count` times over.
std::u8string Repeated(std::u8string_view text, int count);

// A control's rectangle relative to its parent's client area, in pixels.
RECT RectInParent(HWND control);

// Types text into an edit field (or a combo box's edit field) character by character.
void TypeText(HWND control, const std::u16string& text);

// Checks that Tab, from the first of `ids`, reaches `form`'s controls in the order of `ids`.
void ExpectTabOrder(const ui::Form& form, const std::vector<int>& ids);
