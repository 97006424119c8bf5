#include "SpokenLines.h"

#include "PageLines.h"
#include "Pinyin.h"

namespace {

// A unit alone: a character outside the Basic Multilingual Plane, in two, is never said.
bool IsSaid(char16_t unit) {
    return (unit >= u'0' && unit <= u'9') || (unit >= u'A' && unit <= u'Z') ||
           (unit >= u'a' && unit <= u'z') || IsChineseCharacter(unit) ||
           (unit >= 0xFF10 && unit <= 0xFF19) || // fullwidth digits and letters
           (unit >= 0xFF21 && unit <= 0xFF3A) || (unit >= 0xFF41 && unit <= 0xFF5A);
}

bool EndsASentence(char16_t unit) {
    return std::u16string_view(u"。？！.?!").find(unit) != std::u16string_view::npos;
}

bool PausesASentence(char16_t unit) {
    return std::u16string_view(u"，、；：,;:…—").find(unit) != std::u16string_view::npos;
}

bool IsLatin(char16_t unit) {
    return unit < 0x80 || (unit >= 0xFF10 && unit <= 0xFF5A);
}

} // namespace

std::u16string SpokenText(std::u16string_view line) {
    std::u16string spoken;
    char16_t pause = 0; // the strongest pause in the stretch since the last word
    bool gap = false;   // whether anything stands between this word and the last
    for (const char16_t unit : line) {
        if (!IsSaid(unit)) {
            if (EndsASentence(unit)) {
                pause = u'。';
            } else if (PausesASentence(unit) && pause == 0) {
                pause = u'，';
            }
            gap = true;
            continue;
        }
        if (!spoken.empty() && pause != 0) {
            spoken += pause;
        } else if (!spoken.empty() && gap && IsLatin(unit) && IsLatin(spoken.back())) {
            spoken += u' '; // keeps two Latin words apart
        }
        spoken += unit;
        pause = 0;
        gap = false;
    }
    if (!spoken.empty() && pause != 0) {
        spoken += pause;
    }
    return spoken;
}

std::vector<SpokenLine> SpokenLines(const std::array<PageRun, 4>& page, ReadAloudPart part) {
    std::vector<SpokenLine> lines;
    const size_t first = part == ReadAloudPart::Poem ? 0 : 3;
    const size_t last = part == ReadAloudPart::Poem ? 2 : 3;
    ForEachPageLine(page, [&](const PageLine& line) {
        if (line.Run < first || line.Run > last) {
            return;
        }
        std::u16string spoken = SpokenText(line.Text);
        if (!spoken.empty()) {
            const auto end = static_cast<uint32_t>(line.Position + line.Text.size());
            lines.push_back({std::move(spoken), {line.Position, end, MarkKind::Reading}});
        }
    });
    return lines;
}
