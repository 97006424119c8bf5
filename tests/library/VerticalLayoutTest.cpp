#include "VerticalLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::u16string>;

// The characters of each column, right to left.
Texts ColumnTexts(const VerticalLayout& layout) {
    Texts texts;
    for (const VerticalColumn& column : layout.Columns) {
        texts.emplace_back();
        for (uint32_t i = column.FirstCell; i < column.FirstCell + column.CellCount; ++i) {
            texts.back() += layout.Text.substr(layout.Cells[i].Index, layout.Cells[i].Units);
        }
    }
    return texts;
}

VerticalLayout LayOut(const std::u16string& verses, const std::u16string& notes, int halfCells) {
    return LayOutVertically(PageRuns(TangRecord{u"", u"T", u"A", verses, notes}), halfCells);
}

const VerticalCell& FirstCellOf(const VerticalLayout& layout, size_t column) {
    return layout.Cells.at(layout.Columns.at(column).FirstCell);
}

} // namespace

// Positions count CR LF once, as the page box counts; a point finds the position before the
// character whose first half it lies in, and each cell its column.
TEST(VerticalLayout, WorkedExampleStandsInColumnsRightToLeftAndPointsFindPositions) {
    const VerticalLayout layout =
        LayOut(u"床前明月光，\r\n疑是地上霜。\r\n", u"作者：李白\r\n", 24);
    EXPECT_EQ(ColumnTexts(layout),
              (Texts{u"T", u"A", u"", u"床前明月光，", u"疑是地上霜。", u"", u"作者：李白"}));
    // The first cells: centred lines are centred, notes start on top.
    for (const auto& [column, along, run, position] :
         {std::tuple<size_t, int, int, uint32_t>{0, 11, 0, 0}, {3, 6, 2, 5}, {6, 0, 3, 20}}) {
        const VerticalCell& first = FirstCellOf(layout, column);
        EXPECT_EQ(std::tie(first.Along, first.Run, first.Position), std::tie(along, run, position));
        EXPECT_EQ(layout.Columns[column].Position, position) << column;
    }
    EXPECT_EQ(layout.Columns[2].Position, 4u) << "the empty column stands at its line";
    EXPECT_EQ(layout.Length, 26u) << "the text less one unit for each of its 7 line breaks";
    const std::tuple<size_t, double, uint32_t> points[] = {
        {0, 11.4, 0}, {0, 11.6, 1}, {3, 17.5, 11}, {6, 40, 25}, {500, 0, 26}}; // T: a half cell
    for (const auto& [column, halfCells, position] : points) {
        EXPECT_EQ(PositionAt(layout, column, halfCells), position) << column << " " << halfCells;
    }
    ASSERT_TRUE(CellAt(layout, 24).has_value());
    EXPECT_EQ(ColumnOfCell(layout, *CellAt(layout, 24)), 6u);
    EXPECT_EQ(CellAt(layout, 1), std::nullopt) << "a line break";
    EXPECT_EQ(CellAt(layout, 26), std::nullopt) << "the end";
}

TEST(VerticalLayout, PunctuationTakesItsVerticalForm) {
    using enum CellForm;
    const std::pair<std::u32string_view, CellForm> forms[] = {
        {U"静Ａ\uFFFD\U00020000\u0085", Upright},
        {U"，。、；：？！", UpperRight},
        {U"A7 é\u00AD", Sideways},
        {U"“", Replaced}}; // “ turned, having no form of its own
    for (const auto& [characters, form] : forms) {
        for (const char32_t c : characters) {
            EXPECT_EQ(VerticalFormOf(c), (VerticalForm{form, 0})) << std::hex << uint32_t{c};
        }
    }
    const std::u32string_view replaced = U"《︽》︾「﹁」﹂（︵）︶—︱…︙";
    for (size_t i = 0; i < replaced.size(); i += 2) {
        EXPECT_EQ(VerticalFormOf(replaced[i]),
                  (VerticalForm{Replaced, static_cast<char16_t>(replaced[i + 1])}));
    }
}

TEST(VerticalLayout, LongLinesWrapIntoTheNextColumn) {
    const std::tuple<std::u16string, int, Texts> cases[] = {
        {u"一二三四五六七", 6, {u"一二三", u"四五六", u"七"}},
        {u"一二三四", 7, {u"一二三", u"四"}}, // an odd half stays empty
        // A mark that may not begin a column takes the character before it along.
        {u"一二三，四", 6, {u"一二", u"三，四"}},
        {u"一，二", 2, {u"一", u"，", u"二"}}, // unless that would empty the column
        {u"A一B一", 3, {u"A一", u"B一"}},      // Latin letters take half a cell each
    };
    for (const auto& [verse, halfCells, columns] : cases) {
        Texts expected = {u"T", u"A", u""};
        expected.insert(expected.end(), columns.begin(), columns.end());
        expected.insert(expected.end(), {u"", u"N"});
        const VerticalLayout layout = LayOut(verse + u"\r\n", u"N\r\n", halfCells);
        EXPECT_EQ(ColumnTexts(layout), expected) << halfCells;
        for (size_t column = 4; column < 3 + columns.size(); ++column) {
            EXPECT_EQ(layout.Columns[column].Position, layout.Columns[column - 1].EndPosition)
                << "a line goes on where its last column ended";
        }
    }
}

// A pair of surrogates is one character; a lone surrogate and U+FFFD are one each.
TEST(VerticalLayout, EveryCharacterTakesOneWholeCell) {
    const std::u16string verse = u"\U00020000\uFFFD\xD800甲\U0002A6D6";
    const VerticalLayout layout = LayOut(verse, u"", 40);
    ASSERT_EQ(ColumnTexts(layout).at(3), verse);
    const VerticalColumn& column = layout.Columns[3];
    for (uint32_t i = 0; i < 5; ++i) { // whole cells, centred
        EXPECT_EQ(layout.Cells[column.FirstCell + i].Along, 15 + 2 * i) << i;
    }
    EXPECT_EQ(CellAt(layout, column.Position + 1), std::nullopt) << "inside a pair";
    EXPECT_EQ(CellAt(layout, column.Position + 2), column.FirstCell + 1);
}

// Verses that begin with a line break get none after them: their last line shares its
// paragraph with the first line of the notes, which makes it left-aligned, on to the notes'
// last character.
TEST(VerticalLayout, ParagraphAlignmentFollowsThePageBox) {
    const VerticalLayout layout = LayOut(u"\r\nV1\r\nV2", u"N一二三四五", 10);
    EXPECT_EQ(ColumnTexts(layout), (Texts{u"T", u"A", u"", u"", u"V1", u"V2N一二三", u"四五"}));
    EXPECT_EQ(FirstCellOf(layout, 4).Along, 4) << "V1 centred";
    EXPECT_EQ(FirstCellOf(layout, 5).Along, 0) << "V2 left";
    EXPECT_EQ(FirstCellOf(layout, 6).Along, 0) << "and the rest of its line";
    EXPECT_EQ(layout.Columns[6].EndPosition, layout.Length - 1) << "before the last break";
    EXPECT_EQ(LayOutVertically(PageRuns(TangRecord{}), 10).Columns.size(), 5u) << "five empty";
    EXPECT_EQ(PositionAt(LayOutVertically({}, 10), 0, 3), 0u);
}

// The arithmetic of the geometry is the page's; here only its edges.
TEST(VerticalLayout, GeometryPlacesColumnsFromTheRightEdge) {
    const ColumnGeometry geometry = MeasureColumns(16, 300);
    const int left = geometry.ColumnLeft(16, 385, 24);
    EXPECT_EQ(geometry.ColumnAt(left, 385, 24), 16);
    EXPECT_EQ(geometry.ColumnAt(left + geometry.Cell - 1, 385, 24), 16) << "the whole cell";
    EXPECT_LE(geometry.ColumnLeft(0, 385, 0) + geometry.Cell, 385 - geometry.Margin);
    EXPECT_EQ(geometry.ColumnAt(383, 385, 0), -1) << "in the right margin";
    EXPECT_EQ(MeasureColumns(40, 30).HalfCellsPerColumn, 2) << "one cell at least";
}
