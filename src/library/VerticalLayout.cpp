#include "VerticalLayout.h"

#include "Unicode.h"

#include <algorithm>
#include <cmath>

namespace {

struct FormEntry {
    char32_t Character;
    VerticalForm Form;
};

// Brackets, dashes and the ellipsis have forms of their own for vertical text.
constexpr FormEntry ReplacedForms[] = {
    {U'，', {CellForm::UpperRight}},      {U'。', {CellForm::UpperRight}},
    {U'、', {CellForm::UpperRight}},      {U'；', {CellForm::UpperRight}},
    {U'：', {CellForm::UpperRight}},      {U'？', {CellForm::UpperRight}},
    {U'！', {CellForm::UpperRight}},      {U'《', {CellForm::Replaced, u'︽'}},
    {U'》', {CellForm::Replaced, u'︾'}}, {U'〈', {CellForm::Replaced, u'︿'}},
    {U'〉', {CellForm::Replaced, u'﹀'}}, {U'「', {CellForm::Replaced, u'﹁'}},
    {U'」', {CellForm::Replaced, u'﹂'}}, {U'『', {CellForm::Replaced, u'﹃'}},
    {U'』', {CellForm::Replaced, u'﹄'}}, {U'（', {CellForm::Replaced, u'︵'}},
    {U'）', {CellForm::Replaced, u'︶'}}, {U'【', {CellForm::Replaced, u'︻'}},
    {U'】', {CellForm::Replaced, u'︼'}}, {U'〔', {CellForm::Replaced, u'︹'}},
    {U'〕', {CellForm::Replaced, u'︺'}}, {U'｛', {CellForm::Replaced, u'︷'}},
    {U'｝', {CellForm::Replaced, u'︸'}}, {U'〖', {CellForm::Replaced, u'︗'}},
    {U'〗', {CellForm::Replaced, u'︘'}}, {U'—', {CellForm::Replaced, u'︱'}},
    {U'–', {CellForm::Replaced, u'︲'}},  {U'…', {CellForm::Replaced, u'︙'}},
    {U'‥', {CellForm::Replaced, u'︰'}},  {U'＿', {CellForm::Replaced, u'︳'}},
    {U'“', {CellForm::Replaced}},         {U'”', {CellForm::Replaced}},
    {U'‘', {CellForm::Replaced}},         {U'’', {CellForm::Replaced}},
    {U'～', {CellForm::Replaced}},
};

// Marks that may not begin a column: the previous character comes along to the next one.
constexpr std::u16string_view NoColumnStart = u"，。、；：？！）》〉」』】〕｝〗…‥”’";

bool IsLineBreak(char16_t unit) {
    return unit == u'\r' || unit == u'\n';
}

// A line of the page: the cells it holds and how its paragraph is aligned.
struct Line {
    size_t FirstCell;
    uint32_t Position;
    uint32_t EndPosition;
    bool Centred;
};

class ColumnFiller {
public:
    explicit ColumnFiller(VerticalLayout& layout) : layout_(layout) {}

    void Fill(const Line& line) {
        std::vector<VerticalCell>& cells = layout_.Cells;
        const int capacity = layout_.HalfCellsPerColumn;
        size_t start = line.FirstCell;
        if (start == cells.size()) { // an empty line: an empty column
            layout_.Columns.push_back(
                {static_cast<uint32_t>(start), 0, line.Position, line.Position});
            return;
        }
        while (start < cells.size()) {
            int used = 0;
            size_t end = start;
            while (end < cells.size() && used + HalfCellsOf(cells[end].Form.Form) <= capacity) {
                used += HalfCellsOf(cells[end].Form.Form);
                ++end;
            }
            if (end < cells.size() && end - start > 1 && MayNotStart(cells[end])) {
                --end;
                used -= HalfCellsOf(cells[end].Form.Form);
            }
            Place(start, end, line.Centred ? (capacity - used) / 2 : 0);
            start = end;
        }
        layout_.Columns.back().EndPosition = line.EndPosition;
    }

private:
    bool MayNotStart(const VerticalCell& cell) const {
        return cell.Units == 1 &&
               NoColumnStart.find(layout_.Text[cell.Index]) != std::u16string_view::npos;
    }

    void Place(size_t start, size_t end, int offset) {
        std::vector<VerticalCell>& cells = layout_.Cells;
        int along = std::max(offset, 0);
        for (size_t i = start; i < end; ++i) {
            cells[i].Along = static_cast<uint16_t>(along);
            along += HalfCellsOf(cells[i].Form.Form);
        }
        const uint32_t endPosition = end < cells.size()
                                         ? cells[end].Position
                                         : cells[end - 1].Position + cells[end - 1].Units;
        layout_.Columns.push_back({static_cast<uint32_t>(start), static_cast<uint32_t>(end - start),
                                   cells[start].Position, endPosition});
    }

    VerticalLayout& layout_;
};

} // namespace

VerticalForm VerticalFormOf(char32_t character) {
    for (const FormEntry& entry : ReplacedForms) {
        if (entry.Character == character) {
            return entry.Form;
        }
    }
    if (character >= 0x20 && character <= 0x24F && character != 0x7F &&
        (character < 0x80 || character >= 0xA0)) {
        return {CellForm::Sideways}; // Basic Latin, Latin-1 and Latin Extended
    }
    return {CellForm::Upright};
}

VerticalLayout LayOutVertically(const std::array<PageRun, 4>& runs, int halfCellsPerColumn) {
    VerticalLayout layout;
    layout.HalfCellsPerColumn = std::max(halfCellsPerColumn, 2);
    for (const PageRun& run : runs) {
        layout.Text += run.Text;
    }
    ColumnFiller filler(layout);
    const std::u16string& text = layout.Text;
    uint32_t position = 0;
    size_t index = 0;
    Line line{0, 0, 0, true};
    for (size_t run = 0; run < runs.size(); ++run) {
        // The paragraph being written takes the alignment each run sets as it starts.
        line.Centred = runs[run].Alignment == ParagraphAlignment::Centre;
        const size_t runEnd = index + runs[run].Text.size();
        while (index < runEnd) {
            const char16_t unit = text[index];
            if (IsLineBreak(unit)) {
                const bool pair = unit == u'\r' && index + 1 < runEnd && text[index + 1] == u'\n';
                line.EndPosition = position;
                filler.Fill(line);
                index += pair ? 2 : 1;
                ++position;
                line = {layout.Cells.size(), position, position, line.Centred};
                continue;
            }
            const bool paired =
                IsHighSurrogate(unit) && index + 1 < runEnd && IsLowSurrogate(text[index + 1]);
            const char32_t character =
                paired ? 0x10000 + ((unit - 0xD800u) << 10) + (text[index + 1] - 0xDC00u) : unit;
            const uint8_t units = paired ? 2 : 1;
            layout.Cells.push_back({static_cast<uint32_t>(index), position, 0, units,
                                    static_cast<uint8_t>(run), VerticalFormOf(character)});
            index += units;
            position += units;
        }
    }
    line.EndPosition = position;
    if (line.FirstCell < layout.Cells.size()) { // the last line has no line break after it
        filler.Fill(line);
    }
    layout.Length = position;
    return layout;
}

std::optional<size_t> CellAt(const VerticalLayout& layout, uint32_t position) {
    const auto found = std::lower_bound(
        layout.Cells.begin(), layout.Cells.end(), position,
        [](const VerticalCell& cell, uint32_t wanted) { return cell.Position < wanted; });
    if (found == layout.Cells.end() || found->Position != position) {
        return std::nullopt;
    }
    return static_cast<size_t>(found - layout.Cells.begin());
}

size_t ColumnOfCell(const VerticalLayout& layout, size_t cell) {
    const auto after = std::upper_bound(
        layout.Columns.begin(), layout.Columns.end(), cell,
        [](size_t wanted, const VerticalColumn& column) { return wanted < column.FirstCell; });
    // Empty columns share their first cell with the next column: the cell is in the last one.
    return static_cast<size_t>(after - layout.Columns.begin()) - 1;
}

uint32_t PositionAt(const VerticalLayout& layout, size_t column, double halfCells) {
    if (column >= layout.Columns.size()) {
        return layout.Length;
    }
    const VerticalColumn& found = layout.Columns[column];
    for (uint32_t i = found.FirstCell; i < found.FirstCell + found.CellCount; ++i) {
        const VerticalCell& cell = layout.Cells[i];
        const double middle = cell.Along + HalfCellsOf(cell.Form.Form) / 2.0;
        if (halfCells < middle) {
            return cell.Position;
        }
    }
    return found.EndPosition;
}

int ColumnGeometry::ContentWidth(size_t columns) const {
    return 2 * Margin + static_cast<int>(columns) * Pitch;
}

int ColumnGeometry::ColumnLeft(size_t column, int width, int scrolled) const {
    const int right = width - Margin - static_cast<int>(column) * Pitch + scrolled;
    return right - (Pitch + Cell) / 2; // the gap between columns split on both sides
}

long ColumnGeometry::ColumnAt(int x, int width, int scrolled) const {
    const int fromRight = width - Margin + scrolled - x;
    if (fromRight < 0) {
        return -1;
    }
    return fromRight / Pitch;
}

int ColumnGeometry::ColumnsIn(int width) const {
    return std::max(1, (width - 2 * Margin) / Pitch);
}

int ColumnGeometry::CellTop(int halfCells) const {
    return Margin + halfCells * Cell / 2;
}

ColumnGeometry MeasureColumns(int cell, int height) {
    ColumnGeometry geometry;
    geometry.Cell = std::max(cell, 1);
    geometry.Pitch = geometry.Cell + (geometry.Cell + 1) / 2;
    geometry.Margin = std::max(2, geometry.Cell / 4);
    const int along = height - 2 * geometry.Margin;
    geometry.HalfCellsPerColumn = std::max(2, 2 * along / geometry.Cell);
    return geometry;
}
