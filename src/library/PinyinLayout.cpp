#include "PinyinLayout.h"

#include "PageLines.h"
#include "Pinyin.h"
#include "Unicode.h"

#include <algorithm>

namespace {

// Signs that may not start a row: they take the character before them along.
bool ClosesPhrase(char16_t unit) {
    return std::u16string_view(u"，。、；：？！）］｝」』”’》〉…—,.;:?!)]}").find(unit) !=
           std::u16string_view::npos;
}

class RowSetter {
public:
    RowSetter(PinyinLayout& layout, const PinyinMeasures& measures)
        : layout_(layout), measures_(measures) {}

    // Sets one line of `run`, which starts at `index` in the page text and `position` on the
    // page, in as many rows as it needs.
    void SetLine(size_t run, uint32_t index, uint32_t position, std::u16string_view line,
                 ParagraphAlignment alignment) {
        const std::vector<CharacterReading> readings =
            run < 3 ? ReadingsOf(line) : std::vector<CharacterReading>{};
        // Every character with a reading stands in a cell of one width, as school editions set
        // them, wide enough for the widest of the line's readings.
        int pitch = 0;
        for (const CharacterReading& each : readings) {
            if (!each.Syllable.empty()) {
                pitch = std::max(
                    {pitch, measures_.CharacterWidth(run, line.substr(each.Index, each.Units)),
                     measures_.ReadingWidth(each.Syllable) + measures_.ReadingGap});
            }
        }
        auto reading = readings.begin();
        Open(run, position);
        for (uint32_t at = 0; at < line.size();) {
            const uint8_t units =
                IsHighSurrogate(line[at]) && at + 1 < line.size() && IsLowSurrogate(line[at + 1])
                    ? 2
                    : 1;
            const bool chinese = reading != readings.end() && reading->Index == at;
            const std::u16string_view syllable = chinese ? reading->Syllable : u"";
            const int width =
                syllable.empty() ? measures_.CharacterWidth(run, line.substr(at, units)) : pitch;
            if (row_.CellCount > 0 && rowWidth_ + width > measures_.Width) {
                Wrap(run, position + at, alignment, ClosesPhrase(line[at]));
            }
            layout_.Cells.push_back({index + at, position + at, units, static_cast<uint8_t>(run),
                                     rowWidth_, width, syllable});
            ++row_.CellCount;
            row_.WithReadings = row_.WithReadings || chinese;
            rowWidth_ += width;
            at += units;
            reading += chinese ? 1 : 0;
        }
        row_.EndPosition = position + static_cast<uint32_t>(line.size());
        Close(alignment);
    }

private:
    // Ends the row and opens the next at `position`; `carry`: with the row's last character, if
    // it has a reading and the row keeps another cell.
    void Wrap(size_t run, uint32_t position, ParagraphAlignment alignment, bool carry) {
        std::optional<PinyinCell> carried;
        if (carry && row_.CellCount > 1 && !layout_.Cells.back().Reading.empty()) {
            carried = layout_.Cells.back();
            layout_.Cells.pop_back();
            --row_.CellCount;
            rowWidth_ -= carried->Width;
        }
        Close(alignment);
        Open(run, carried ? carried->Position : position);
        if (carried) {
            carried->Left = 0;
            layout_.Cells.push_back(*carried);
            row_.CellCount = 1;
            row_.WithReadings = true;
            rowWidth_ = carried->Width;
        }
    }

    void Open(size_t run, uint32_t position) {
        row_ = {static_cast<uint32_t>(layout_.Cells.size()),
                0,
                position,
                position,
                layout_.Height,
                0,
                static_cast<uint8_t>(run),
                false};
        rowWidth_ = 0;
    }

    void Close(ParagraphAlignment alignment) {
        if (row_.CellCount > 0) {
            const PinyinCell& last = layout_.Cells.back();
            row_.EndPosition = last.Position + last.Units;
        }
        row_.Height =
            measures_.LineHeight[row_.Run] + (row_.WithReadings ? measures_.ReadingHeight : 0);
        const int shift = alignment == ParagraphAlignment::Centre
                              ? std::max(0, (measures_.Width - rowWidth_) / 2)
                              : 0;
        for (uint32_t i = row_.FirstCell; i < row_.FirstCell + row_.CellCount; ++i) {
            layout_.Cells[i].Left += shift;
        }
        layout_.Rows.push_back(row_);
        layout_.Height += row_.Height;
    }

    PinyinLayout& layout_;
    const PinyinMeasures& measures_;
    PinyinRow row_{};
    int rowWidth_ = 0;
};

} // namespace

PinyinLayout LayOutWithReadings(const std::array<PageRun, 4>& runs,
                                const PinyinMeasures& measures) {
    PinyinLayout layout;
    for (const PageRun& run : runs) {
        layout.Text += run.Text;
    }
    RowSetter setter(layout, measures);
    ForEachPageLine(runs, [&](const PageLine& line) {
        setter.SetLine(line.Run, line.Index, line.Position, line.Text, runs[line.Run].Alignment);
    });
    return layout;
}

std::optional<size_t> PinyinCellAt(const PinyinLayout& layout, uint32_t position) {
    const auto found = std::ranges::lower_bound(layout.Cells, position, {}, &PinyinCell::Position);
    if (found == layout.Cells.end() || found->Position != position) {
        return std::nullopt;
    }
    return static_cast<size_t>(found - layout.Cells.begin());
}

size_t PinyinRowAt(const PinyinLayout& layout, int y) {
    const auto after = std::ranges::upper_bound(layout.Rows, y, {}, &PinyinRow::Top);
    return after == layout.Rows.begin() ? 0 : static_cast<size_t>(after - layout.Rows.begin()) - 1;
}

uint32_t PinyinPositionAt(const PinyinLayout& layout, size_t row, int x) {
    const PinyinRow& found = layout.Rows[row];
    for (uint32_t i = found.FirstCell; i < found.FirstCell + found.CellCount; ++i) {
        const PinyinCell& cell = layout.Cells[i];
        if (x < cell.Left + cell.Width / 2) {
            return cell.Position;
        }
    }
    return found.EndPosition;
}
