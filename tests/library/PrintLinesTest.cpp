#include "PrintLines.h"

#include <gtest/gtest.h>

namespace {

// Every character one unit wide, but a blank, which is half as wide as a letter here: two.
int Width(std::u16string_view character) {
    return character == u" " ? 1 : 2;
}

std::u16string TextOf(const PrintLine& line) {
    std::u16string text;
    for (const PrintPiece& piece : line.Pieces) {
        text += piece.Text;
    }
    return text;
}

std::vector<std::u16string> Texts(const std::vector<PrintLine>& lines) {
    std::vector<std::u16string> texts;
    for (const PrintLine& line : lines) {
        texts.push_back(TextOf(line));
    }
    return texts;
}

} // namespace

TEST(PrintLines, TheRunsOfAPoemBecomeItsLinesWithTheirColoursAndAlignment) {
    TangRecord poem;
    poem.Title = u"静夜思";
    poem.Author = u"李白";
    poem.Content = u"床前明月光，\r\n疑是地上霜。\r\n";
    poem.Notes = u"注一\r\n注二\r\n";
    const std::vector<PrintLine> lines = BreakIntoLines(PageRuns(poem), 100, Width);
    EXPECT_EQ(Texts(lines), (std::vector<std::u16string>{u"静夜思", u"李白", u"", u"床前明月光，",
                                                         u"疑是地上霜。", u"", u"注一", u"注二"}));
    const uint32_t colours[] = {TitleColour,   AuthorColour,  AuthorColour, ContentColour,
                                ContentColour, ContentColour, NotesColour,  NotesColour};
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].Pieces.empty()) {
            ASSERT_EQ(lines[i].Pieces.size(), 1u) << i;
            EXPECT_EQ(lines[i].Pieces[0].Colour, colours[i]) << i;
        }
        EXPECT_EQ(lines[i].Alignment,
                  i >= 6 ? ParagraphAlignment::Left : ParagraphAlignment::Centre)
            << i;
    }
    EXPECT_EQ(lines[0].Width, 6);
}

TEST(PrintLines, LongLinesBreakAfterABlankOrBetweenCharacters) {
    TangRecord poem;
    poem.Title = u"一二三四五六七";       // 14 wide: 5 a line at 10
    poem.Notes = u"ab cd efghijklmn\r\n"; // Latin words break after their blanks
    const std::vector<PrintLine> lines = BreakIntoLines(PageRuns(poem), 10, Width);
    EXPECT_EQ(Texts(lines), (std::vector<std::u16string>{u"一二三四五", u"六七", u"", u"", u"",
                                                         u"ab cd ", u"efghi", u"jklmn"}));
    for (const PrintLine& line : lines) {
        EXPECT_LE(line.Width, 10);
    }
    // A character wider than the line still gets a line of its own, and the layout ends.
    EXPECT_EQ(Texts(BreakIntoLines(PageRuns(poem), 1, Width)).size(), 7u + 3u + 16u);
    // A character beyond the Basic Multilingual Plane is one character, never split in two.
    TangRecord wide;
    wide.Content = u"a\U00020000\U00020001\U00020002";
    EXPECT_EQ(
        Texts(BreakIntoLines(PageRuns(wide), 5, Width)),
        (std::vector<std::u16string>{u"", u"", u"", u"a\U00020000", u"\U00020001\U00020002", u""}));
}

TEST(PrintLines, ARunWithoutItsOwnLineBreakSharesAParagraphInBothColours) {
    TangRecord poem;
    poem.Title = u"题\r\n续"; // has its line break: nothing added, so the author follows on
    poem.Author = u"者";
    poem.Content = u"\r\n诗\r\n"; // begins with a line break: the notes follow without a gap
    poem.Notes = u"注";
    const std::vector<PrintLine> lines = BreakIntoLines(PageRuns(poem), 100, Width);
    ASSERT_EQ(Texts(lines), (std::vector<std::u16string>{u"题", u"续者", u"", u"", u"诗", u"注"}));
    EXPECT_EQ(lines[1].Pieces,
              (std::vector<PrintPiece>{{u"续", TitleColour}, {u"者", AuthorColour}}));
    EXPECT_EQ(lines[4].Alignment, ParagraphAlignment::Centre);
    EXPECT_EQ(lines[5].Alignment, ParagraphAlignment::Left);
}
