#include "PrintLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::u16string>;

// Every character one unit wide, but a blank, which is half as wide as a letter here: two.
int Width(std::u16string_view character) {
    return character == u" " ? 1 : 2;
}

std::vector<PrintLine> Break(const TangRecord& poem, int lineWidth, Texts& texts) {
    std::vector<PrintLine> lines = BreakIntoLines(PageRuns(poem), lineWidth, Width);
    for (const PrintLine& line : lines) {
        texts.emplace_back();
        for (const PrintPiece& piece : line.Pieces) {
            texts.back() += piece.Text;
        }
    }
    return lines;
}

} // namespace

// Each paragraph of the page is a line; a run without a line break of its own shares its last
// paragraph with the next run, in both colours, and the paragraph in which the left-aligned
// notes begin is left-aligned as a whole.
TEST(PrintLines, TheParagraphsOfThePageBecomeLinesInTheirRunsColours) {
    Texts texts;
    const std::vector<PrintLine> lines =
        Break(TangRecord{u"", u"静夜思", u"李白", u"床前明月光，\r\n疑是地上霜。\r\n",
                         u"注一\r\n注二\r\n"},
              100, texts);
    ASSERT_EQ(texts, (Texts{u"静夜思", u"李白", u"", u"床前明月光，", u"疑是地上霜。", u"", u"注一",
                            u"注二"}));
    EXPECT_EQ(lines[0].Width, 6);
    EXPECT_EQ(lines[6].Pieces, (std::vector<PrintPiece>{{u"注一", NotesColour}}));

    // The title has its line break: nothing added, so the author follows on. The verses begin
    // with one: the notes follow without a gap.
    Texts shared;
    const std::vector<PrintLine> sharing =
        Break(TangRecord{u"", u"题\r\n续", u"者", u"\r\n诗\r\n", u"注"}, 100, shared);
    ASSERT_EQ(shared, (Texts{u"题", u"续者", u"", u"", u"诗", u"注"}));
    EXPECT_EQ(sharing[1].Pieces,
              (std::vector<PrintPiece>{{u"续", TitleColour}, {u"者", AuthorColour}}));
    EXPECT_EQ(sharing[4].Alignment, ParagraphAlignment::Centre);
    EXPECT_EQ(sharing[5].Alignment, ParagraphAlignment::Left);
}

TEST(PrintLines, LongLinesBreakAfterABlankOrBetweenCharacters) {
    // 14 wide: 5 a line at 10; Latin words break after their blanks.
    const TangRecord poem{u"", u"一二三四五六七", u"", u"", u"ab cd efghijklmn\r\n"};
    Texts texts;
    for (const PrintLine& line : Break(poem, 10, texts)) {
        EXPECT_LE(line.Width, 10);
    }
    EXPECT_EQ(texts, (Texts{u"一二三四五", u"六七", u"", u"", u"", u"ab cd ", u"efghi", u"jklmn"}));
    // A character wider than the line still gets a line of its own, and the layout ends.
    Texts narrow;
    EXPECT_EQ(Break(poem, 1, narrow).size(), 7u + 3u + 16u);
    // A character beyond the Basic Multilingual Plane is one character, never split in two.
    Texts whole;
    Break(TangRecord{u"", u"", u"", u"a\U00020000\U00020001\U00020002", u""}, 5, whole);
    EXPECT_EQ(whole, (Texts{u"", u"", u"", u"a\U00020000", u"\U00020001\U00020002", u""}));
}
