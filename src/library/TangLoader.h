#pragma once

#include "LoadLimits.h"
#include "TangRecord.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Receives the metrical-form headings and the authors in file order while the anthology loads.
class TangSink {
public:
    virtual void AddRhyme(const std::u16string& heading) = 0;
    virtual void AddAuthor(const std::u16string& strAuthor) = 0;
    // The load failed half-way and the table is empty: drop every heading and author received,
    // so that nothing offers a choice that matches no poem.
    virtual void ForgetAll() = 0;

protected:
    ~TangSink() = default;
};

struct LoadResult {
    bool FileRead = false;
    std::u16string Path;
    std::u16string Failure; // the system's reason, when the file could not be read
    int PoemsLeftOut = 0;   // poem lines beyond the table's capacity
    size_t Unreadable = 0;  // characters that could not be read and show as U+FFFD
    LongLines Long;
};

// Builds the poem table from the anthology's text in one pass over its lines.
// Returns the number of poem lines that did not fit into the table; counts the lines that were
// too long into `longLines` when it is given.
int ParseTangs(std::u16string_view text, std::vector<TangRecord>& tangs, TangSink& sink,
               LongLines* longLines = nullptr);

// The anthology file read and decoded, before it is parsed; or why it could not be read.
struct ReadAnthology {
    std::u16string Path;
    bool Read = false;
    std::u16string Text;
    std::u16string Failure;
};

// Reads and decodes the anthology file, touching nothing else, so that it may run on another
// thread while the windows are made. The file is only read.
ReadAnthology ReadAnthologyFile(const std::filesystem::path& path);

// Builds the table from what was read.
LoadResult LoadTangsText(ReadAnthology read, std::vector<TangRecord>& tangs, TangSink& sink);

// Reads, decodes and parses the anthology file. The file is only read, and only while it loads.
LoadResult LoadTangsFile(const std::filesystem::path& path, std::vector<TangRecord>& tangs,
                         TangSink& sink);

// What the user has to be told once loading is over, or the empty text when all went well.
std::u16string LoadMessage(const LoadResult& result, size_t poemCount);
