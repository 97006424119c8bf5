// The whole load of ts.txt: its bytes, their text, the table; and what a failure leaves behind.
#include "AnthologyText.h"
#include "FileBytes.h"
#include "ProgramTexts.h"
#include "TangLoader.h"
#include "Unicode.h"

#include <algorithm>
#include <new>
#include <string>

namespace {

// The characters that could not be read and show in the poems as U+FFFD. Those in lines no
// poem keeps (before the first poem, after the last one's notes) are not shown, so not counted;
// a heading is counted once, with the first poem under it.
size_t UnreadableInTable(const std::vector<TangRecord>& tangs) {
    const auto unreadable = [](const std::u16string& text) {
        return static_cast<size_t>(std::count(text.begin(), text.end(), ReplacementCharacter));
    };
    size_t count = 0;
    const std::u16string* heading = nullptr;
    for (const TangRecord& record : tangs) {
        if (heading == nullptr || *heading != record.Rhyme) {
            count += unreadable(record.Rhyme);
        }
        heading = &record.Rhyme;
        count += unreadable(record.Title) + unreadable(record.Author) + unreadable(record.Content) +
                 unreadable(record.Notes);
    }
    return count;
}

} // namespace

ReadAnthology ReadAnthologyFile(const std::filesystem::path& path) {
    ReadAnthology read;
    read.Path = path.u16string();
    try {
        FileBytes file = ReadFileBytes(path);
        if (!file.Read) {
            read.Failure = std::move(file.Failure);
            return read;
        }
        read.Text = DecodeAnthology(file.Bytes).Text;
        read.Read = true;
    } catch (const std::bad_alloc&) { // the raw bytes are released before anything else
        read.Text = std::u16string();
        read.Failure = texts::OutOfMemoryReason;
    }
    return read;
}

LoadResult LoadTangsText(ReadAnthology read, std::vector<TangRecord>& tangs, TangSink& sink) {
    LoadResult result;
    result.Path = std::move(read.Path);
    if (!read.Read) {
        result.Failure = std::move(read.Failure);
        return result;
    }
    try {
        const std::u16string text = std::move(read.Text);
        result.FileRead = true;
        result.PoemsLeftOut = ParseTangs(text, tangs, sink, &result.Long);
        result.Unreadable = UnreadableInTable(tangs);
    } catch (const std::bad_alloc&) {
        tangs = std::vector<TangRecord>();
        sink.ForgetAll();
        result.FileRead = false;
        result.PoemsLeftOut = 0;
        result.Unreadable = 0;
        result.Long = {};
        result.Failure = texts::OutOfMemoryReason;
    }
    return result;
}

LoadResult LoadTangsFile(const std::filesystem::path& path, std::vector<TangRecord>& tangs,
                         TangSink& sink) {
    return LoadTangsText(ReadAnthologyFile(path), tangs, sink);
}
