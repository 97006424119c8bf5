#pragma once

#include "Form1.h"
#include "Form2.h"
#include "Module1.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

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
