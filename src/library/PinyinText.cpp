#include "PinyinText.h"

#include "Pinyin.h"

#include <algorithm>
#include <string_view>

namespace {

bool IsLineBreak(char16_t unit) {
    return unit == u'\r' || unit == u'\n';
}

// The readings of the characters of `line` from unit `from` to `to`, chosen for the whole line.
std::u16string ReadingsBetween(std::u16string_view line, size_t from, size_t to) {
    std::u16string readings;
    for (const CharacterReading& reading : ReadingsOf(line)) {
        if (reading.Index < from || reading.Index >= to) {
            continue;
        }
        if (!readings.empty()) {
            readings += u' ';
        }
        readings += reading.Syllable.empty() ? std::u16string_view(u"?") : reading.Syllable;
    }
    return readings;
}

} // namespace

std::u16string TextWithReadings(const std::array<PageRun, 4>& runs, uint32_t from, uint32_t to) {
    std::u16string text;
    uint32_t position = 0;
    for (size_t run = 0; run < runs.size() && position < to; ++run) {
        const std::u16string_view page = runs[run].Text;
        for (size_t start = 0; start < page.size() && position < to;) {
            size_t end = start;
            while (end < page.size() && !IsLineBreak(page[end])) {
                ++end;
            }
            const std::u16string_view line = page.substr(start, end - start);
            const size_t first = std::clamp<int64_t>(int64_t{from} - position, 0, line.size());
            const size_t last = std::clamp<int64_t>(int64_t{to} - position, 0, line.size());
            text += line.substr(first, last - first);
            if (run < 3 && last > first) {
                const std::u16string readings = ReadingsBetween(line, first, last);
                if (!readings.empty()) {
                    text += u"\r\n";
                    text += readings;
                }
            }
            position += static_cast<uint32_t>(line.size());
            if (end == page.size()) {
                break;
            }
            if (position >= from && position < to) {
                text += u"\r\n";
            }
            position += 1;
            start = end + (page.substr(end).starts_with(u"\r\n") ? 2 : 1);
        }
    }
    return text;
}
