#include "PageText.h"
#include "ParsedTangs.h"
#include "PoemAtEveryCap.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::u16string PageOf(const TangRecord& record) {
    std::u16string text;
    for (const PageRun& run : PageRuns(record)) {
        text += run.Text;
    }
    return text;
}

} // namespace

TEST(PageText, WellFormedPoemReadsTitleAuthorBlankVersesBlankNotes) {
    const auto runs = PageRuns(TangRecord{u"", u"T", u"A", u"V1\r\nV2\r\n", u"N1\r\nN2"});
    using enum ParagraphAlignment;
    const PageRun expected[] = {{u"T\r\n", 0xFF5458u, Centre}, // red is the lowest byte
                                {u"A\r\n\r\n", 0x5A55FFu, Centre},
                                {u"V1\r\nV2\r\n\r\n", 0x8C868Cu, Centre},
                                {u"N1\r\nN2", 0x00AE00u, Left}};
    for (size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(std::tie(runs[i].Text, runs[i].Colour, runs[i].Alignment),
                  std::tie(expected[i].Text, expected[i].Colour, expected[i].Alignment));
    }
}

TEST(PageText, EachFieldHasItsOwnLineBreakRule) {
    // CR LF anywhere in title or notes: nothing added.
    EXPECT_EQ(PageRuns(TangRecord{u"", u"a\r\nb", u"", u"", u""})[0].Text, u"a\r\nb");
    // The author always gets at least one.
    EXPECT_EQ(PageRuns(TangRecord{u"", u"", u"a\r\nb", u"", u""})[1].Text, u"a\r\nb\r\n");
    // Verses are tested on their first two characters only.
    EXPECT_EQ(PageRuns(TangRecord{u"", u"", u"", u"\r\nV\r\n", u""})[2].Text, u"\r\nV\r\n");
    EXPECT_EQ(PageRuns(TangRecord{u"", u"", u"", u"V\r\n\r\n", u""})[2].Text, u"V\r\n\r\n\r\n");
    // A lone CR or LF is not a line break.
    EXPECT_EQ(PageRuns(TangRecord{u"", u"a\rb", u"", u"", u""})[0].Text, u"a\rb\r\n");
    EXPECT_EQ(PageOf(TangRecord{}), u"\r\n\r\n\r\n\r\n\r\n") << "an empty poem: five empty lines";
}

// The caption counts from one; list entries are zero-filled to three digits, and their numbers
// are never cut.
TEST(PageText, CaptionAndListEntriesNameThePoemAndCutLongTitlesAndAuthors) {
    EXPECT_EQ(PageCaption(32766), u"青简雅韵集 第32767首");
    const TangRecord record{u"", u"T", u"A", u"", u""};
    EXPECT_EQ(PoemListEntry(0, record), u"(001) T [A]");
    EXPECT_EQ(PoemListEntry(999, record), u"(1000) T [A]");
    EXPECT_EQ(SearchResultEntry(TangRecord{u"", u"T", u"", u"", u""}), u"T []");
    // Long titles and authors are cut with an ellipsis, never inside a character.
    const std::u16string fits(MaxListedLength, u'静');
    const std::u16string longer = fits + u"夜思";
    EXPECT_EQ(SearchResultEntry(TangRecord{u"", fits, fits, u"", u""}), fits + u" [" + fits + u"]");
    EXPECT_EQ(PoemListEntry(0, TangRecord{u"", longer, longer, u"", u""}),
              u"(001) " + fits + u"… [" + fits + u"…]");
    // A character of two units that the cut would split goes whole.
    const std::u16string pairAtCut = fits.substr(1) + u"\U00020000" + u"x";
    EXPECT_EQ(SearchResultEntry(TangRecord{u"", pairAtCut, u"A", u"", u""}),
              fits.substr(1) + u"… [A]");
}

TEST(PageText, APoemAtEveryCapOfTheLoaderFitsThePageBound) {
    const Parsed p = Parse(PoemAtEveryCap());
    ASSERT_EQ(p.Tangs.size(), 1u);
    EXPECT_EQ(p.Long.Cut, 2);
    EXPECT_EQ(p.Long.LeftOut, 2 * 3 + 1) << "both fields reached their cap";
    EXPECT_LE(PageOf(p.Tangs[0]).size(), MaxPageLength);
}
