#pragma once

// The page the loader's limits allow at its longest, for the benchmarks of the page's views.
#include <filesystem>
#include <fstream>
#include <string>

// A short poem, then two at every limit (a title and an author of 4000 characters, verse and
// notes lines of 16000, verses and notes of 20000 each), as a UTF-16 file (little-endian, as
// the machine) with its mark. Each verse line is `line`, of 16000 静 unless given.
inline void WritePoemsAtEveryLimit(const std::filesystem::path& file,
                                   const std::u16string& line = std::u16string(16000, u'静')) {
    const std::u16string name(4000, u'静');
    std::u16string text = u"\uFEFF<静夜思>\r\n(李白)\r\n床前明月光\r\n//注//\r\n";
    for (const char16_t title : {u'A', u'B'}) {
        text.append(u"<").append(1, title).append(name).append(u">\r\n(").append(name);
        text.append(u")\r\n").append(line).append(u"\r\n").append(line).append(u"\r\n//");
        text.append(line).append(u"\r\n").append(line).append(u"//\r\n");
    }
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(text.data()),
               static_cast<std::streamsize>(2 * text.size()));
}
