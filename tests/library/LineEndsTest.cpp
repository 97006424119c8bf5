// Line ends of every kind editors write: CR LF, LF alone and CR alone.
#include "LineEnds.h"
#include "RecordingSink.h"
#include "TangLoader.h"

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

} // namespace

TEST(LineEnds, CrLfLfAndLoneCrEachEndOneLine) {
    using Lines = std::vector<std::u16string>;
    EXPECT_EQ(SplitLines(u"a\r\nb\nc\rd"), (Lines{u"a", u"b", u"c", u"d"}));
    EXPECT_EQ(SplitLines(u"a\r\r\nb"), (Lines{u"a", u"", u"b"})) << "CR, then CR LF";
    EXPECT_EQ(SplitLines(u"a\n\rb"), (Lines{u"a", u"", u"b"})) << "LF CR is two ends";
    EXPECT_EQ(SplitLines(u"a\r"), (Lines{u"a"}));
    EXPECT_EQ(SplitLines(u"\r\n"), (Lines{u""}));
    EXPECT_EQ(SplitLines(u""), Lines{});
}

// Ends at every position of lines longer and shorter than the eight units tested at once where
// SSE2 is available, so that both the vector path and the unit-by-unit tail are exercised.
TEST(LineEnds, EveryEndIsFoundWhereverItFallsInABlock) {
    const std::u16string_view ends[] = {u"\r\n", u"\n", u"\r"};
    for (size_t length = 0; length < 40; ++length) {
        for (const std::u16string_view end : ends) {
            const std::u16string line(length, u'静');
            const std::u16string text = line + std::u16string(end) + u"x" + std::u16string(end);
            const auto lines = SplitLines(text);
            ASSERT_EQ(lines.size(), 2u) << length;
            EXPECT_EQ(lines[0], line);
            EXPECT_EQ(lines[1], u"x");
        }
    }
}

TEST(LineEnds, OldMacFileLoadsLikeCrLf) {
    const std::u16string_view crlf =
        u"[H]\r\n<T>\r\n(A)\r\nV1\r\n\r\nV2\r\n//N1\r\nN2//\r\n<U>\r\n";
    std::u16string cr(crlf);
    for (size_t at = cr.find(u"\r\n"); at != std::u16string::npos; at = cr.find(u"\r\n", at)) {
        cr.erase(at + 1, 1);
    }
    std::vector<TangRecord> fromCrLf;
    std::vector<TangRecord> fromCr;
    RecordingSink sinkCrLf;
    RecordingSink sinkCr;
    ParseTangs(crlf, fromCrLf, sinkCrLf);
    ParseTangs(cr, fromCr, sinkCr);
    ASSERT_EQ(fromCr.size(), 2u);
    EXPECT_EQ(fromCr[0].Content, u"V1\r\n\r\nV2\r\n");
    EXPECT_EQ(fromCr[0].Notes, u"N1\r\nN2");
    EXPECT_EQ(fromCr[0].Title, fromCrLf[0].Title);
    EXPECT_EQ(fromCr[1].Title, u"U");
    EXPECT_EQ(sinkCr.Rhymes, sinkCrLf.Rhymes);
    EXPECT_EQ(sinkCr.Authors, sinkCrLf.Authors);
}
