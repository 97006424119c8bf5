// The whole load of ts.txt: its bytes, their text, the table; and what a failure leaves behind.
#include "AnthologyText.h"
#include "FileBytes.h"
#include "ProgramTexts.h"
#include "TangLoader.h"

#include <new>
#include <string>

LoadResult LoadTangsFile(const std::filesystem::path& path, std::vector<TangRecord>& tangs,
                         TangSink& sink) {
    LoadResult result;
    result.Path = path.u16string();
    try {
        std::u16string text;
        {
            FileBytes file = ReadFileBytes(path);
            if (!file.Read) {
                result.Failure = std::move(file.Failure);
                return result;
            }
            DecodedAnthology decoded = DecodeAnthology(file.Bytes);
            text = std::move(decoded.Text);
            result.Unreadable = decoded.Unreadable;
        } // the raw bytes are released before the table is built
        result.FileRead = true;
        result.PoemsLeftOut = ParseTangs(text, tangs, sink, &result.Long);
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
