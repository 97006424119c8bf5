// Line ends of every kind editors write: CR LF, LF alone and CR alone.
#include "LineEnds.h"
#include "ParsedTangs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::u16string> SplitLines(std::u16string_view text) {
    std::vector<std::u16string> lines;
    for (size_t at = 0; at < text.size();) {
        size_t next = 0;
        const size_t end = FindLineEnd(text, at, next);
        lines.emplace_back(text.substr(at, end - at));
        EXPECT_GT(next, at);
        at = next;
    }
    return lines;
}

using Texts = std::vector<std::u16string>;

} // namespace

TEST(LineEnds, CrLfLfAndLoneCrEachEndOneLine) {
    EXPECT_EQ(SplitLines(u"a\r\nb\nc\rd"), (Texts{u"a", u"b", u"c", u"d"}));
    EXPECT_EQ(SplitLines(u"a\r\r\nb"), (Texts{u"a", u"", u"b"})) << "CR, then CR LF";
    EXPECT_EQ(SplitLines(u"a\n\rb"), (Texts{u"a", u"", u"b"})) << "LF CR is two ends";
    EXPECT_EQ(SplitLines(u"a\r"), (Texts{u"a"}));
    EXPECT_EQ(SplitLines(u"\r\n"), (Texts{u""}));
    EXPECT_EQ(SplitLines(u""), Texts{});
}

// The worked example, whose last line lacks its end as the last line of a file may.
TEST(LineEnds, WorkedExampleLoadsAlikeWithEachKindOfLineEnd) {
    for (const std::u16string_view end : {u"\r\n", u"\n", u"\r"}) {
        std::u16string text =
            Lines({u"ANTHOLOGY", u"[H1]", u"<T1>", u"(A1)", u"V1", u"", u"V2", u"//N1", u"N2", u"",
                   u"N3//", u"[H2]x", u"<T2>", u"(A1)", u"W1", u"//M1//"},
                  end);
        text.resize(text.size() - end.size());
        const Parsed p = Parse(text);
        ExpectTangs(p.Tangs, {{u"H1", u"T1", u"A1", u"V1\r\n\r\nV2\r\n", u"N1\r\nN2\r\nN3"},
                              {u"H2", u"T2", u"A1", u"W1\r\n", u"M1\r\n"}});
        EXPECT_EQ(p.Sink.Rhymes, (Texts{u"H1", u"H2"}));
        EXPECT_EQ(p.Sink.Authors, (Texts{u"A1"}));
        EXPECT_EQ(p.Sink.AuthorCalls.size(), 2u);
        EXPECT_EQ(p.LeftOut, 0);
    }
}
