#include "PrintLines.h"

#include "Unicode.h"

namespace {

// One character: one UTF-16 unit, or a surrogate pair.
struct Character {
    std::u16string_view Units;
    uint32_t Colour;
    int Width;
};

class LineBuilder {
public:
    explicit LineBuilder(std::vector<PrintLine>& lines) : lines_(lines) {}

    void Emit(const std::vector<Character>& characters, size_t from, size_t to,
              ParagraphAlignment alignment) {
        PrintLine line;
        line.Alignment = alignment;
        for (size_t i = from; i < to; ++i) {
            const Character& c = characters[i];
            if (line.Pieces.empty() || line.Pieces.back().Colour != c.Colour) {
                line.Pieces.push_back({{}, c.Colour});
            }
            line.Pieces.back().Text += c.Units;
            line.Width += c.Width;
        }
        lines_.push_back(std::move(line));
    }

private:
    std::vector<PrintLine>& lines_;
};

// Breaks one paragraph into lines.
void BreakParagraph(const std::vector<Character>& characters, ParagraphAlignment alignment,
                    int lineWidth, LineBuilder& builder) {
    if (characters.empty()) {
        builder.Emit(characters, 0, 0, alignment);
        return;
    }
    size_t start = 0;
    while (start < characters.size()) {
        int width = 0;
        size_t end = start;
        size_t afterBlank = start; // where the line may break after a blank
        while (end < characters.size() &&
               (end == start || width + characters[end].Width <= lineWidth)) {
            width += characters[end].Width;
            if (characters[end].Units == u" ") {
                afterBlank = end + 1;
            }
            ++end;
        }
        if (end < characters.size() && afterBlank > start && afterBlank < end) {
            end = afterBlank;
        }
        builder.Emit(characters, start, end, alignment);
        start = end;
    }
}

} // namespace

std::vector<PrintLine> BreakIntoLines(const std::array<PageRun, 4>& runs, int lineWidth,
                                      const std::function<int(std::u16string_view)>& widthOf) {
    std::vector<PrintLine> lines;
    LineBuilder builder(lines);
    std::vector<Character> paragraph;
    bool leftAligned = false; // once the left-aligned run has begun
    for (const PageRun& run : runs) {
        const bool runIsLeft = run.Alignment == ParagraphAlignment::Left;
        // The paragraph in which a left-aligned run begins is left-aligned as a whole.
        leftAligned = leftAligned || runIsLeft;
        for (size_t i = 0; i < run.Text.size(); ++i) {
            if (run.Text[i] == u'\r' && i + 1 < run.Text.size() && run.Text[i + 1] == u'\n') {
                BreakParagraph(paragraph,
                               leftAligned ? ParagraphAlignment::Left : ParagraphAlignment::Centre,
                               lineWidth, builder);
                paragraph.clear();
                ++i;
                continue;
            }
            const size_t units = IsHighSurrogate(run.Text[i]) && i + 1 < run.Text.size() &&
                                         IsLowSurrogate(run.Text[i + 1])
                                     ? 2
                                     : 1;
            const std::u16string_view character(run.Text.data() + i, units);
            paragraph.push_back({character, run.Colour, widthOf(character)});
            i += units - 1;
        }
    }
    if (!paragraph.empty()) {
        BreakParagraph(paragraph,
                       leftAligned ? ParagraphAlignment::Left : ParagraphAlignment::Centre,
                       lineWidth, builder);
    }
    return lines;
}
