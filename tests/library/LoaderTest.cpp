#include "Module1.h"
#include "RecordingSink.h"
#include "TangLoader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Parsed {
    std::vector<TangRecord> Tangs;
    RecordingSink Sink;
    int LeftOut = 0;
};

Parsed Parse(std::u16string_view text) {
    Parsed parsed;
    parsed.LeftOut = ParseTangs(text, parsed.Tangs, parsed.Sink);
    return parsed;
}

// The lines joined with CR LF, as they stand in the file.
std::u16string Lines(std::initializer_list<std::u16string_view> lines) {
    std::u16string text;
    for (const auto line : lines) {
        text.append(line).append(u"\r\n");
    }
    return text;
}

void ExpectRecord(const TangRecord& record, std::u16string_view rhyme, std::u16string_view title,
                  std::u16string_view author, std::u16string_view content,
                  std::u16string_view notes) {
    EXPECT_EQ(record.Rhyme, rhyme);
    EXPECT_EQ(record.Title, title);
    EXPECT_EQ(record.Author, author);
    EXPECT_EQ(record.Content, content);
    EXPECT_EQ(record.Notes, notes);
}

} // namespace

TEST(Loader, WorkedExampleComesOutToTheCharacter) {
    const Parsed p =
        Parse(Lines({u"ANTHOLOGY", u"[H1]", u"<T1>", u"(A1)", u"V1", u"", u"V2", u"//N1", u"N2",
                     u"", u"N3//", u"[H2]x", u"<T2>", u"(A1)", u"W1", u"//M1//"}));
    ASSERT_EQ(p.Tangs.size(), 2u);
    ExpectRecord(p.Tangs[0], u"H1", u"T1", u"A1", u"V1\r\n\r\nV2\r\n", u"N1\r\nN2\r\nN3");
    ExpectRecord(p.Tangs[1], u"H2", u"T2", u"A1", u"W1\r\n", u"M1\r\n");
    EXPECT_EQ(p.Sink.Rhymes, (std::vector<std::u16string>{u"H1", u"H2"}));
    EXPECT_EQ(p.Sink.Authors, (std::vector<std::u16string>{u"A1"}));
    EXPECT_EQ(p.Sink.AuthorCalls.size(), 2u);
    EXPECT_EQ(p.LeftOut, 0);
}

TEST(Loader, HeadingTakesTheTextUpToTheFirstClosingBracket) {
    const Parsed p = Parse(Lines({u"[H]", u"[H", u"[]", u"[", u"[H]tail]", u"[H]", u"  [S]  "}));
    EXPECT_EQ(p.Sink.Rhymes, (std::vector<std::u16string>{u"H", u"H", u"", u"", u"H", u"H", u"S"}));
    EXPECT_TRUE(p.Tangs.empty());
}

TEST(Loader, HeadingWithBracketBeyondSixteenBitPositionStillWorks) {
    const std::u16string heading(40000, u'x');
    const Parsed p = Parse(Lines({u"[" + heading + u"]rest", u"<T>"}));
    ASSERT_EQ(p.Tangs.size(), 1u);
    EXPECT_EQ(p.Tangs[0].Rhyme, heading.substr(0, MaxLineLength) + u"…")
        << "cut, as every long line";
}

TEST(Loader, TitleAndAuthorDropFirstAndLastCharacterWhateverTheyAre) {
    const Parsed p = Parse(Lines({u"<T> x", u"( A1 )", u"<>", u"()", u"<T>"}));
    ASSERT_EQ(p.Tangs.size(), 3u);
    EXPECT_EQ(p.Tangs[0].Title, u"T> ");
    EXPECT_EQ(p.Tangs[0].Author, u" A1 ");
    EXPECT_EQ(p.Tangs[1].Title, u"");
    EXPECT_EQ(p.Tangs[1].Author, u"");
    EXPECT_EQ(p.Tangs[2].Author, u"") << "a poem line only starts a record";
    EXPECT_EQ(p.Sink.Authors, (std::vector<std::u16string>{u" A1 ", u""}));
}

TEST(Loader, SecondAuthorLineOverwritesAndIsAddedAgain) {
    const Parsed p = Parse(Lines({u"<T>", u"(A)", u"V", u"//N", u"(B)"}));
    ASSERT_EQ(p.Tangs.size(), 1u);
    EXPECT_EQ(p.Tangs[0].Author, u"B") << "a notes-block line starting with ( is an author line";
    EXPECT_EQ(p.Sink.Authors, (std::vector<std::u16string>{u"A", u"B"}));
}

TEST(Loader, LinesAreStrippedOfSpacesOnlyAndTabsMakeTextLines) {
    const Parsed p = Parse(Lines({u"   <T>   ", u"\t(A)", u"//N//"}));
    ASSERT_EQ(p.Tangs.size(), 1u);
    EXPECT_EQ(p.Tangs[0].Title, u"T");
    EXPECT_EQ(p.Tangs[0].Author, u"");
    EXPECT_EQ(p.Tangs[0].Content, u"\t(A)\r\n");
    EXPECT_EQ(p.Tangs[0].Notes, u"N\r\n");
}

TEST(Loader, EmptyVerseLinesCountAndSlashesInVersesAreOrdinary) {
    const Parsed p = Parse(Lines({u"<T>", u"(A)", u"", u"V1//", u"   ", u"//N//"}));
    ASSERT_EQ(p.Tangs.size(), 1u);
    EXPECT_EQ(p.Tangs[0].Content, u"\r\nV1//\r\n\r\n");
}

TEST(Loader, VersesWithoutNotesLineMoveToTheNextPoem) {
    const Parsed p =
        Parse(Lines({u"<T1>", u"(A)", u"V1", u"<T2>", u"(B)", u"V2", u"//N//", u"<T3>", u"V3"}));
    ASSERT_EQ(p.Tangs.size(), 3u);
    EXPECT_EQ(p.Tangs[0].Content, u"");
    EXPECT_EQ(p.Tangs[1].Content, u"V1\r\nV2\r\n");
    EXPECT_EQ(p.Tangs[2].Content, u"") << "verses left at the end of the file are dropped";
}

TEST(Loader, OpenNotesBlockIsStoredByTheNextNotesLineEvenOfALaterPoem) {
    const Parsed p = Parse(Lines({u"<T1>", u"V1", u"//open", u"more", u"<T2>", u"V2",
                                  u"//dropped//", u"<T3>", u"V3", u"//left open"}));
    ASSERT_EQ(p.Tangs.size(), 3u);
    EXPECT_EQ(p.Tangs[0].Notes, u"");
    EXPECT_EQ(p.Tangs[1].Content, u"V2\r\n");
    EXPECT_EQ(p.Tangs[1].Notes, u"open\r\nmore\r\n");
    EXPECT_EQ(p.Tangs[2].Content, u"V3\r\n");
    EXPECT_EQ(p.Tangs[2].Notes, u"") << "a block open at the end of the file is dropped";
}

TEST(Loader, NotesAfterAClosedBlockOpenANewOne) {
    const Parsed p =
        Parse(Lines({u"<T1>", u"V", u"//N//", u"", u"extra", u"<T2>", u"W", u"/closes"}));
    ASSERT_EQ(p.Tangs.size(), 2u);
    EXPECT_EQ(p.Tangs[0].Notes, u"N\r\n");
    EXPECT_EQ(p.Tangs[1].Notes, u"extra\r\n");
}

TEST(Loader, ShortNotesLinesGiveEmptyTextsAndTouchNothingElse) {
    const Parsed p = Parse(Lines({u"<A>", u"V", u"////", u"<B>", u"V", u"//", u"<C>", u"V", u"///",
                                  u"<D>", u"V", u"/", u"x//", u"<E>", u"V", u"/x", u"y//"}));
    ASSERT_EQ(p.Tangs.size(), 5u);
    for (const TangRecord& record : p.Tangs) {
        EXPECT_EQ(record.Content, u"V\r\n")
            << "title " << std::string(record.Title.begin(), record.Title.end());
    }
    EXPECT_EQ(p.Tangs[0].Notes, u"\r\n");
    EXPECT_EQ(p.Tangs[1].Notes, u"\r\n");
    EXPECT_EQ(p.Tangs[2].Notes, u"\r\n");
    EXPECT_EQ(p.Tangs[3].Notes, u"\r\nx");
    EXPECT_EQ(p.Tangs[4].Notes, u"\r\ny");
}

TEST(Loader, LinesTooShortForTheirKindGiveEmptyTexts) {
    const Parsed p = Parse(Lines({u"[H]", u"<", u"(", u"V", u"//N//", u"<T>", u"(A)"}));
    ASSERT_EQ(p.Tangs.size(), 2u);
    ExpectRecord(p.Tangs[0], u"H", u"", u"", u"V\r\n", u"N\r\n");
    ExpectRecord(p.Tangs[1], u"H", u"T", u"A", u"", u"");
    EXPECT_EQ(p.Sink.Authors, (std::vector<std::u16string>{u"", u"A"}));
}

TEST(Loader, LinesBeforeTheFirstPoemTouchNoRecord) {
    const Parsed p = Parse(Lines(
        {u"(A0)", u"//N0//", u"//open", u"text", u"", u"[H]", u"<T>", u"(A)", u"V", u"//N//"}));
    ASSERT_EQ(p.Tangs.size(), 1u);
    ExpectRecord(p.Tangs[0], u"H", u"T", u"A", u"V\r\n", u"N\r\n");
    EXPECT_EQ(p.Sink.Authors, (std::vector<std::u16string>{u"A"}));
}

TEST(Loader, PoemBeforeAnyHeadingHasEmptyRhyme) {
    const Parsed p = Parse(Lines({u"<T0>", u"[H]", u"<T1>"}));
    ASSERT_EQ(p.Tangs.size(), 2u);
    EXPECT_EQ(p.Tangs[0].Rhyme, u"");
    EXPECT_EQ(p.Tangs[1].Rhyme, u"H");
}

TEST(Loader, BareLineFeedsAndAMissingLastLineEndWork) {
    const Parsed lf = Parse(u"<T>\n(A)\nV\n\n//N//");
    const Parsed crlf = Parse(u"<T>\r\n(A)\r\nV\r\n\r\n//N//\r\n");
    ASSERT_EQ(lf.Tangs.size(), 1u);
    ASSERT_EQ(crlf.Tangs.size(), 1u);
    ExpectRecord(lf.Tangs[0], u"", u"T", u"A", u"V\r\n\r\n", u"N\r\n");
    ExpectRecord(crlf.Tangs[0], u"", u"T", u"A", u"V\r\n\r\n", u"N\r\n");
}

TEST(Loader, EmptyTextOrNoPoemLineLeavesTheTableEmpty) {
    EXPECT_TRUE(Parse(u"").Tangs.empty());
    const Parsed headingsOnly = Parse(Lines({u"[H1]", u"(A)", u"text", u"//N//"}));
    EXPECT_TRUE(headingsOnly.Tangs.empty());
    EXPECT_EQ(headingsOnly.Sink.Rhymes.size(), 1u);
    EXPECT_TRUE(headingsOnly.Sink.Authors.empty());
}

TEST(Loader, StopsAtCapacityAndCountsThePoemsLeftOut) {
    std::u16string text;
    for (int i = 0; i < MaxTangs + 3; ++i) {
        if (i == MaxTangs) {
            text += u"[Late]\r\n"; // still before the refused poem line
        } else if (i == MaxTangs + 1) {
            text += u"[Later]\r\n";
        }
        text += u"<T>\r\n(A" + std::u16string(1, static_cast<char16_t>(u'a' + i % 26)) +
                u")\r\nV\r\n//N//\r\n";
    }
    const Parsed p = Parse(text);
    EXPECT_EQ(p.Tangs.size(), static_cast<size_t>(MaxTangs));
    EXPECT_EQ(p.LeftOut, 3);
    EXPECT_EQ(p.Sink.Rhymes, (std::vector<std::u16string>{u"Late"}))
        << "nothing after the refused poem line is read";
    EXPECT_EQ(p.Sink.AuthorCalls.size(), static_cast<size_t>(MaxTangs));
    EXPECT_EQ(p.Tangs.back().Notes, u"N\r\n");
    EXPECT_EQ(HighestIndex(p.Tangs), 32766);
    LoadResult result;
    result.FileRead = true;
    result.PoemsLeftOut = p.LeftOut;
    EXPECT_EQ(LoadMessage(result, p.Tangs.size()),
              u"唐诗文件中的唐诗超过 32767 首，其后的 3 首没有读入。");
}
