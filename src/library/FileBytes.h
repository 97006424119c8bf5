#pragma once

#include <filesystem>
#include <string>

// The whole content of a file, or the system's reason why it could not be read.
struct FileBytes {
    bool Read = false;
    std::string Bytes;
    std::u16string Failure;
};

// The largest ts.txt read: beyond this, a 32-bit program could not hold the file and its text.
inline constexpr unsigned long long MaxFileBytes = 0x7FFFFFFF;

// Reads the file in one go and closes it at once; the file is opened for reading only.
FileBytes ReadFileBytes(const std::filesystem::path& path);
