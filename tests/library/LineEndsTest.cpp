// Line ends of every kind editors write: CR LF, LF alone and CR alone. (The loader's tests parse
// every case with each of them.)
#include "LineEnds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(LineEnds, CrLfLfAndLoneCrEachEndOneLine) {
    const struct {
        std::u16string_view Text;
        std::vector<std::u16string> Lines;
    } cases[] = {
        {u"a\r\nb\nc\rd", {u"a", u"b", u"c", u"d"}},
        {u"a\r\r\nb", {u"a", u"", u"b"}}, // CR, then CR LF
        {u"a\n\rb", {u"a", u"", u"b"}},   // LF CR is two ends
        {u"\r\n", {u""}},
    };
    for (const auto& c : cases) {
        std::vector<std::u16string> lines;
        for (size_t at = 0, next = 0; at < c.Text.size(); at = next) {
            lines.emplace_back(c.Text.substr(at, FindLineEnd(c.Text, at, next) - at));
            ASSERT_GT(next, at);
        }
        EXPECT_EQ(lines, c.Lines) << c.Lines.size() << " lines";
    }
}
