#include "PinyinText.h"

#include "PageLines.h"
#include "Pinyin.h"

#include <algorithm>
#include <string_view>

std::u16string TextWithReadings(const std::array<PageRun, 4>& runs, uint32_t from, uint32_t to) {
    std::u16string text;
    ForEachPageLine(runs, [&](const PageLine& line) {
        const auto length = static_cast<int64_t>(line.Text.size());
        const auto first =
            static_cast<size_t>(std::clamp<int64_t>(int64_t{from} - line.Position, 0, length));
        const auto last =
            static_cast<size_t>(std::clamp<int64_t>(int64_t{to} - line.Position, 0, length));
        text += line.Text.substr(first, last - first);
        if (line.Run < 3 && last > first) {
            const std::u16string readings = ReadingsLine(line.Text, first, last);
            if (!readings.empty()) {
                text += u"\r\n";
                text += readings;
            }
        }
        const uint32_t lineBreak = line.Position + static_cast<uint32_t>(length);
        if (line.Broken && lineBreak >= from && lineBreak < to) {
            text += u"\r\n";
        }
    });
    return text;
}
