#include "VerticalLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::u16string>;

const TangRecord QuietNight{u"五言绝句", u"静夜思", u"李白",
                            u"床前明月光，\r\n疑是地上霜。\r\n举头望明月，\r\n低头思故乡。\r\n",
                            u"作者：李白\r\n"};

// The characters of each column, right to left.
Texts ColumnTexts(const VerticalLayout& layout) {
    Texts texts;
    for (const VerticalColumn& column : layout.Columns) {
        std::u16string text;
        for (uint32_t i = column.FirstCell; i < column.FirstCell + column.CellCount; ++i) {
            text += layout.Text.substr(layout.Cells[i].Index, layout.Cells[i].Units);
        }
        texts.push_back(text);
    }
    return texts;
}

VerticalLayout LayOut(const TangRecord& record, int halfCells) {
    return LayOutVertically(PageRuns(record), halfCells);
}

const VerticalCell& FirstCellOf(const VerticalLayout& layout, size_t column) {
    return layout.Cells.at(layout.Columns.at(column).FirstCell);
}

} // namespace

// Positions count CR LF once, as the page box counts; a point finds the position before the
// character whose first half it lies in, and each cell its column.
TEST(VerticalLayout, WorkedExampleStandsInColumnsRightToLeftAndPointsFindPositions) {
    const VerticalLayout layout = LayOut(QuietNight, 24); // twelve cells a column
    EXPECT_EQ(ColumnTexts(layout), (Texts{u"静夜思", u"李白", u"", u"床前明月光，", u"疑是地上霜。",
                                          u"举头望明月，", u"低头思故乡。", u"", u"作者：李白"}));
    // The first cells: centred lines are centred, notes start on top.
    for (const auto& [column, along, run, position] :
         {std::tuple<size_t, int, int, uint32_t>{0, 9, 0, 0}, {3, 6, 2, 8}, {8, 0, 3, 37}}) {
        const VerticalCell& first = FirstCellOf(layout, column);
        EXPECT_EQ(std::tie(first.Along, first.Run, first.Position), std::tie(along, run, position));
        EXPECT_EQ(layout.Columns[column].Position, position) << column;
    }
    EXPECT_EQ(layout.Columns[2].Position, 7u) << "the empty column stands at its line";
    EXPECT_EQ(layout.Length, 43u) << "the text less one unit for each of its 9 line breaks";
    const std::tuple<size_t, double, uint32_t> points[] = {
        {0, 9.9, 0}, {0, 10.1, 1}, {3, 17.5, 14}, {8, 40, 42}, {500, 0, 43}, // 静夜思 at 9
    };
    for (const auto& [column, halfCells, position] : points) {
        EXPECT_EQ(PositionAt(layout, column, halfCells), position) << column << " " << halfCells;
    }
    for (const auto& [position, column] : {std::pair<uint32_t, size_t>{4, 1}, {41, 8}}) {
        const std::optional<size_t> cell = CellAt(layout, position);
        ASSERT_TRUE(cell.has_value()) << position;
        EXPECT_EQ(ColumnOfCell(layout, *cell), column) << position;
    }
    EXPECT_EQ(CellAt(layout, 3), std::nullopt) << "a line break";
    EXPECT_EQ(CellAt(layout, 43), std::nullopt) << "the end";
}

TEST(VerticalLayout, PunctuationTakesItsVerticalForm) {
    using enum CellForm;
    const auto expect = [](std::u32string_view characters, CellForm form, char16_t shown = 0) {
        for (const char32_t c : characters) {
            EXPECT_EQ(VerticalFormOf(c), (VerticalForm{form, shown})) << std::hex << uint32_t{c};
        }
    };
    expect(U"静Ａ\uFFFD\U00020000\u0085", Upright);
    expect(U"，。、；：？！", UpperRight);
    expect(U"A7 é\u00AD", Sideways);
    expect(U"“", Replaced); // turned, having no form of its own
    const std::u32string_view replaced = U"《︽》︾「﹁」﹂（︵）︶—︱…︙";
    for (size_t i = 0; i < replaced.size(); i += 2) {
        expect(replaced.substr(i, 1), Replaced, static_cast<char16_t>(replaced[i + 1]));
    }
}

TEST(VerticalLayout, LongLinesWrapIntoTheNextColumn) {
    struct Case {
        std::u16string Verse;
        int HalfCells;
        Texts Columns; // of the verse alone
    };
    const Case cases[] = {
        {u"一二三四五六七", 6, {u"一二三", u"四五六", u"七"}},
        {u"一二三四", 7, {u"一二三", u"四"}}, // an odd half stays empty
        // A mark that may not begin a column takes the character before it along.
        {u"一二三，四", 6, {u"一二", u"三，四"}},
        {u"一，二", 2, {u"一", u"，", u"二"}}, // unless that would empty the column
        {u"A一B一", 3, {u"A一", u"B一"}},      // Latin letters take half a cell each
    };
    for (const Case& test : cases) {
        const TangRecord record{u"", u"T", u"A", test.Verse + u"\r\n", u"N\r\n"};
        Texts expected = {u"T", u"A", u""};
        expected.insert(expected.end(), test.Columns.begin(), test.Columns.end());
        expected.insert(expected.end(), {u"", u"N"});
        const VerticalLayout layout = LayOut(record, test.HalfCells);
        EXPECT_EQ(ColumnTexts(layout), expected) << test.HalfCells;
        for (size_t column = 4; column < 3 + test.Columns.size(); ++column) {
            EXPECT_EQ(layout.Columns[column].Position, layout.Columns[column - 1].EndPosition)
                << "a line goes on where its last column ended";
        }
    }
}

TEST(VerticalLayout, EveryCharacterTakesOneWholeCell) {
    // A pair of surrogates is one character; a lone surrogate and U+FFFD are one each.
    const std::u16string verse = u"\U00020000\uFFFD\xD800甲\U0002A6D6";
    const VerticalLayout layout = LayOut(TangRecord{u"", u"T", u"A", verse, u""}, 40);
    ASSERT_EQ(ColumnTexts(layout).at(3), verse);
    const VerticalColumn& column = layout.Columns[3];
    ASSERT_EQ(column.CellCount, 5u);
    const uint8_t units[] = {2, 1, 1, 1, 2};
    for (uint32_t i = 0; i < 5; ++i) {
        EXPECT_EQ(layout.Cells[column.FirstCell + i].Units, units[i]) << i;
        EXPECT_EQ(layout.Cells[column.FirstCell + i].Along, 15 + 2 * i) << "whole cells, centred";
    }
    EXPECT_EQ(CellAt(layout, column.Position + 1), std::nullopt) << "inside a pair";
    EXPECT_EQ(CellAt(layout, column.Position + 2), column.FirstCell + 1);
}

TEST(VerticalLayout, ParagraphAlignmentFollowsThePageBox) {
    // Verses that begin with a line break get none after them: their last line shares its
    // paragraph with the first line of the notes, which makes it left-aligned, on to the notes'
    // last character.
    const VerticalLayout layout =
        LayOut(TangRecord{u"", u"T", u"A", u"\r\nV1\r\nV2", u"N一二三四五"}, 10);
    EXPECT_EQ(ColumnTexts(layout), (Texts{u"T", u"A", u"", u"", u"V1", u"V2N一二三", u"四五"}));
    EXPECT_EQ(FirstCellOf(layout, 4).Along, 4) << "V1 centred";
    EXPECT_EQ(FirstCellOf(layout, 5).Along, 0) << "V2 left";
    EXPECT_EQ(FirstCellOf(layout, 6).Along, 0) << "and the rest of its line";
    EXPECT_EQ(layout.Columns[6].EndPosition, layout.Length - 1) << "before the last break";
    EXPECT_EQ(LayOut(TangRecord{}, 10).Columns.size(), 5u) << "five empty lines";
    EXPECT_EQ(PositionAt(LayOutVertically({}, 10), 0, 3), 0u);
}

// The arithmetic of the geometry is the page's; here only its edges.
TEST(VerticalLayout, GeometryPlacesColumnsFromTheRightEdge) {
    const ColumnGeometry geometry = MeasureColumns(16, 300);
    EXPECT_EQ(geometry.ColumnsIn(10), 1);
    for (const auto& [column, scrolled] : {std::pair<size_t, int>{0, 0}, {16, 24}}) {
        const int left = geometry.ColumnLeft(column, 385, scrolled);
        for (const int x : {left, left + geometry.Cell - 1}) { // the whole cell belongs to it
            EXPECT_EQ(geometry.ColumnAt(x, 385, scrolled), static_cast<long>(column));
        }
    }
    EXPECT_LE(geometry.ColumnLeft(0, 385, 0) + geometry.Cell, 385 - geometry.Margin);
    EXPECT_EQ(geometry.ColumnAt(383, 385, 0), -1) << "in the right margin";
    EXPECT_EQ(MeasureColumns(40, 30).HalfCellsPerColumn, 2) << "one cell at least";
    EXPECT_EQ(MeasureColumns(0, 300).Cell, 1);
}
