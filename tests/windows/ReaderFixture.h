#pragma once

#include "Form1.h"
#include "Form2.h"
#include "Module1.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// Starts the reader on an anthology of the test's own, in a folder of its own.
class ReaderFixture : public ::testing::Test {
protected:
    void TearDown() override;

    // Writes `bytes` as ts.txt (or no file, for nullptr) and starts the reader on it.
    void Start(const std::string* bytes);
    void StartWithUtf8(const std::u8string& text); // written with the UTF-8 byte-order mark

    // Handles every pending message, as the program's message loop would.
    static void Pump();
    // Sends a click to a control as the user's click would arrive.
    static void Click(HWND control);

    HWND ReaderControl(int id) const { return reader->Control(id); }
    std::u16string PageText() const;
    std::u16string ListEntry(int index) const;

    Module1 shared;
    std::unique_ptr<Form1> reader;
    bool programEnded = false;
    std::filesystem::path folder;
};

std::u16string Utf16(const std::u8string& text);
void PumpMessages();

// A control's rectangle relative to its parent's client area, in pixels.
RECT RectInParent(HWND control);

// Where a control of a layout must stand at 96 DPI, relative to the window's client area.
RECT ExpectedRect(const ui::FormLayout& layout, int id);

// Checks that each of `ids` stands exactly where `form`'s layout puts it at 96 DPI.
void ExpectPlacedAsLaidOut(const ui::Form& form, std::initializer_list<int> ids);

// Presses a key on the control that has the focus, through the program's keyboard handling.
void PressKey(UINT key);

// Types text into an edit field (or a combo box's edit field) character by character.
void TypeText(HWND control, const std::u16string& text);

// The focus and how Tab moves it: the controls in the order Tab reaches them from `first`.
std::vector<HWND> TabOrderFrom(HWND first, size_t count);

// Makes sure a window move started by the mouse ends: releases the button and presses Escape.
void EndDragSoon(HWND window);

// Records what a window is sent: every WM_NCLBUTTONDOWN or SC_MOVE that starts a drag.
class DragWatcher {
public:
    explicit DragWatcher(HWND window);
    ~DragWatcher();
    DragWatcher(const DragWatcher&) = delete;
    DragWatcher& operator=(const DragWatcher&) = delete;
    int DragsStarted() const;
};
