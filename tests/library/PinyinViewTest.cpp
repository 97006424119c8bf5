#include "PinyinLayout.h"
#include "PinyinText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace {

const TangRecord Quiet{u"五言绝句", u"静夜思", u"李白", u"床前明月光，\r\n", u"N"};

// Characters 10 pixels wide, readings 3 a letter; 60 pixels to a row.
PinyinMeasures Measures() {
    PinyinMeasures measures;
    measures.CharacterWidth = [](size_t, std::u16string_view) {
        return 10;
    };
    measures.ReadingWidth = [](std::u16string_view reading) {
        return 3 * static_cast<int>(reading.size());
    };
    measures.LineHeight = {16, 14, 14, 12};
    measures.ReadingHeight = 8;
    measures.ReadingGap = 2;
    measures.Width = 60;
    return measures;
}

std::u16string Readings(const PinyinLayout& layout, const PinyinRow& row) {
    std::u16string readings;
    for (uint32_t i = row.FirstCell; i < row.FirstCell + row.CellCount; ++i) {
        readings += layout.Cells[i].Reading.empty() ? u"-" : layout.Cells[i].Reading;
        readings += u' ';
    }
    return readings;
}

} // namespace

// Each character keeps its reading in its cell, all as wide as the line's widest; the rows wrap
// between cells, centred, and only rows with Chinese have a band of readings. The notes stand
// left, without readings.
TEST(PinyinLayout, ReadingsStayWithTheirCharactersWhereverARowWraps) {
    const PinyinLayout layout = LayOutWithReadings(PageRuns(Quiet), Measures());
    ASSERT_EQ(layout.Rows.size(), 7u); // 静夜思 | 李白 | blank | 床前明 | 月光， | blank | N
    const PinyinRow& title = layout.Rows[0];
    EXPECT_EQ(Readings(layout, title), u"jìng yè sī ");
    EXPECT_TRUE(title.WithReadings);
    EXPECT_EQ(title.Height, 16 + 8);
    // Each as wide as jìng, the line's widest reading: 4 letters, 12 + 2 pixels.
    EXPECT_EQ(layout.Cells[2].Width, 14);
    EXPECT_EQ(layout.Cells[0].Left, (60 - 3 * 14) / 2);
    // chuáng: 20 pixels for each character of the verse; the comma keeps its own 10.
    EXPECT_EQ(layout.Cells[5 + 4].Width, 20);
    EXPECT_EQ(layout.Cells[5 + 5].Width, 10);

    EXPECT_FALSE(layout.Rows[2].WithReadings);
    EXPECT_EQ(layout.Rows[2].CellCount, 0u);
    EXPECT_EQ(layout.Rows[2].Position, 7u);

    const PinyinRow& verse = layout.Rows[3];
    const PinyinRow& wrapped = layout.Rows[4];
    EXPECT_EQ(Readings(layout, verse), u"chuáng qián míng ");
    EXPECT_EQ(Readings(layout, wrapped), u"yuè guāng - ");
    EXPECT_EQ(verse.Position, 8u);
    EXPECT_EQ(wrapped.Position, 11u);
    EXPECT_EQ(wrapped.EndPosition, 14u);
    for (const PinyinRow& row : layout.Rows) {
        int width = 0;
        for (uint32_t i = row.FirstCell; i < row.FirstCell + row.CellCount; ++i) {
            width += layout.Cells[i].Width;
        }
        EXPECT_LE(width, 60);
    }
    EXPECT_EQ(wrapped.Top, verse.Top + verse.Height);

    const PinyinRow& notes = layout.Rows[6];
    EXPECT_FALSE(notes.WithReadings);
    EXPECT_EQ(layout.Cells[notes.FirstCell].Left, 0);
    EXPECT_EQ(layout.Height, layout.Rows.back().Top + layout.Rows.back().Height);

    EXPECT_EQ(PinyinCellAt(layout, 12), 9u); // 光, after 3 + 2 + 4 cells
    EXPECT_FALSE(PinyinCellAt(layout, 14));  // the line break
    EXPECT_EQ(PinyinRowAt(layout, verse.Top + 1), 3u);
    EXPECT_EQ(PinyinRowAt(layout, -5), 0u);
    EXPECT_EQ(PinyinPositionAt(layout, 4, 0), 11u);
    EXPECT_EQ(PinyinPositionAt(layout, 4, 59), 14u);

    // Where a comma would start a row, the character before it goes along.
    const PinyinLayout comma =
        LayOutWithReadings(PageRuns({u"", u"", u"", u"床前明，月\r\n", u""}), Measures());
    const auto rows = std::ranges::find(comma.Rows, 2, &PinyinRow::Run);
    ASSERT_LT(rows + 1, comma.Rows.end());
    EXPECT_EQ(Readings(comma, rows[0]), u"chuáng qián ");
    EXPECT_EQ(Readings(comma, rows[1]), u"míng - yuè ");
    EXPECT_EQ(comma.Cells[rows[1].FirstCell].Left, (60 - 20 - 10 - 20) / 2);
}

// The text copied is the page with a line of readings under each line of Chinese, for the
// selected part alone when part is selected.
TEST(PinyinText, EachLineOfChineseIsFollowedByItsReadings) {
    const std::array<PageRun, 4> runs = PageRuns(Quiet);
    EXPECT_EQ(TextWithReadings(runs), u"静夜思\r\njìng yè sī\r\n李白\r\nlǐ bái\r\n\r\n"
                                      u"床前明月光，\r\nchuáng qián míng yuè guāng\r\n\r\nN\r\n");
    EXPECT_EQ(TextWithReadings(runs, 10, 12), u"明月\r\nmíng yuè");
    EXPECT_EQ(TextWithReadings(runs, 13, 17), u"，\r\n\r\nN");
}
