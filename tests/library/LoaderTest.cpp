// The line rules: what each kind of line does to the table, the headings and the author list.
#include "Module1.h"
#include "ParsedTangs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Case {
    const char* What;
    std::initializer_list<std::u16string_view> Lines;
    std::vector<TangRecord> Tangs;
    Texts Authors; // the author pick list
    Texts Rhymes = {};
};

const Case Cases[] = {
    {"worked example",
     {u"ANTHOLOGY", u"[H1]", u"<T1>", u"(A1)", u"V1", u"", u"V2", u"//N1", u"N2", u"", u"N3//",
      u"[H2]x", u"<T2>", u"(A1)", u"W1", u"//M1//"},
     {{u"H1", u"T1", u"A1", u"V1\r\n\r\nV2\r\n", u"N1\r\nN2\r\nN3"},
      {u"H2", u"T2", u"A1", u"W1\r\n", u"M1\r\n"}},
     {u"A1"},
     {u"H1", u"H2"}},
    // A heading takes the text up to its first closing bracket, and each is reported.
    {"headings",
     {u"[H]", u"[H", u"[]", u"[", u"[H]tail]", u"[H]", u"  [S]  "},
     {},
     {},
     {u"H", u"H", u"", u"", u"H", u"H", u"S"}},
    // Title and author drop their first and last characters whatever they are; a poem line
    // only starts a record.
    {"brackets",
     {u"<T> x", u"( A1 )", u"<>", u"()", u"<T>"},
     {{u"", u"T> ", u" A1 ", u"", u""}, {}, {u"", u"T", u"", u"", u""}},
     {u" A1 ", u""}},
    // Lines too short for their kind give empty texts.
    {"short lines", {u"<", u"(", u"V", u"//N//"}, {{u"", u"", u"", u"V\r\n", u"N\r\n"}}, {u""}},
    // A notes-block line starting with ( is an author line, which overwrites.
    {"author in notes",
     {u"<T>", u"(A)", u"V", u"//N", u"(B)"},
     {{u"", u"T", u"B", u"V\r\n", u""}},
     {u"A", u"B"}},
    // Lines are stripped of spaces only, and a tab makes a text line.
    {"spaces", {u"   <T>   ", u"\t(A)", u"//N//"}, {{u"", u"T", u"", u"\t(A)\r\n", u"N\r\n"}}, {}},
    // Empty verse lines count, and slashes in verses are ordinary.
    {"empty verses",
     {u"<T>", u"(A)", u"", u"V1//", u"   ", u"//N//"},
     {{u"", u"T", u"A", u"\r\nV1//\r\n\r\n", u"N\r\n"}},
     {u"A"}},
    // Verses without a notes line move to the next poem; at the end of the file they are
    // dropped.
    {"verses carried",
     {u"<T1>", u"(A)", u"V1", u"<T2>", u"(B)", u"V2", u"//N//", u"<T3>", u"V3"},
     {{u"", u"T1", u"A", u"", u""},
      {u"", u"T2", u"B", u"V1\r\nV2\r\n", u"N\r\n"},
      {u"", u"T3", u"", u"", u""}},
     {u"A", u"B"}},
    // An open notes block is stored by the next notes line, even of a later poem, and dropped
    // at the end of the file.
    {"open notes",
     {u"<T1>", u"V1", u"//open", u"more", u"<T2>", u"V2", u"//dropped//", u"<T3>", u"V3",
      u"//left open"},
     {{u"", u"T1", u"", u"V1\r\n", u""},
      {u"", u"T2", u"", u"V2\r\n", u"open\r\nmore\r\n"},
      {u"", u"T3", u"", u"V3\r\n", u""}},
     {}},
    // Notes after a closed block open a new one.
    {"notes after notes",
     {u"<T1>", u"V", u"//N//", u"", u"extra", u"<T2>", u"W", u"/closes"},
     {{u"", u"T1", u"", u"V\r\n", u"N\r\n"}, {u"", u"T2", u"", u"W\r\n", u"extra\r\n"}},
     {}},
    // Short notes lines give empty texts and touch nothing else.
    {"short notes",
     {u"<A>", u"V", u"////", u"<C>", u"V", u"///", u"<E>", u"V", u"/x", u"y//"},
     {{u"", u"A", u"", u"V\r\n", u"\r\n"},
      {u"", u"C", u"", u"V\r\n", u"\r\n"},
      {u"", u"E", u"", u"V\r\n", u"\r\ny"}},
     {}},
    // Lines before the first poem touch no record; a poem before any heading has no rhyme.
    {"before the first poem",
     {u"(A0)", u"//N0//", u"//open", u"text", u"<T0>", u"[H]", u"<T>", u"V", u"//N//"},
     {{u"", u"T0", u"", u"", u""}, {u"H", u"T", u"", u"V\r\n", u"N\r\n"}},
     {},
     {u"H"}},
};

} // namespace

// With each kind of line end, and without one after the last line, as a file may end.
TEST(Loader, RecordsHeadingsAndAuthorsFromLinesOfEveryShape) {
    for (const Case& c : Cases) {
        for (const std::u16string_view end : {u"\r\n", u"\n", u"\r"}) {
            std::u16string text = Lines(c.Lines, end);
            for (const bool lastEnd : {true, false}) {
                SCOPED_TRACE(testing::Message() << c.What << ", " << end.size() << "-unit ends"
                                                << (lastEnd ? "" : ", the last one missing"));
                const Parsed p = Parse(text);
                ExpectTangs(p.Tangs, c.Tangs);
                EXPECT_EQ(p.Sink.Authors, c.Authors);
                EXPECT_EQ(p.Sink.Rhymes, c.Rhymes);
                text.resize(text.size() - std::min(text.size(), end.size()));
            }
        }
    }
}

TEST(Loader, StopsAtCapacityAndCountsThePoemsLeftOut) {
    std::u16string text;
    for (int i = 0; i < MaxTangs + 3; ++i) { // [Late] still before the refused poem line
        text += (i == MaxTangs       ? u"[Late]\r\n"
                 : i == MaxTangs + 1 ? u"[Later]\r\n"
                                     : u"") +
                Lines({u"<T>", u"(A)", u"V", u"//N//"});
    }
    const Parsed p = Parse(text);
    EXPECT_EQ(p.Tangs.size(), static_cast<size_t>(MaxTangs));
    EXPECT_EQ(p.LeftOut, 3);
    EXPECT_EQ(p.Sink.Rhymes, (Texts{u"Late"})) << "nothing after the refused poem line is read";
    EXPECT_EQ(p.Tangs.back().Notes, u"N\r\n");
}
