#include "SearchResults.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The text of each span on the page of `record`, where a line break is one position.
std::vector<std::u16string> MarkedTexts(const SearchResults& results, int16_t index,
                                        const TangRecord& record) {
    const std::array<PageRun, 4> runs = PageRuns(record);
    std::u16string page;
    for (const PageRun& run : runs) {
        for (const char16_t unit : run.Text) {
            page.append(unit == u'\n' ? 0 : 1, unit);
        }
    }
    std::vector<std::u16string> texts;
    for (const MarkedSpan& span : results.MarksOn(index, record, runs)) {
        texts.push_back(page.substr(span.Start, span.End - span.Start));
    }
    return texts;
}

// Rhyme, title, author, verses, notes.
const TangRecord Moon{u"五言绝句", u"明明月", u"李白", u"床前明月光，\r\n明月明月明月\r\n",
                      u"明月"};

} // namespace

TEST(SearchResults, StepsFromAnyPoemToTheResultsAroundIt) {
    const SearchResults results({}, {2, 5, 9});
    EXPECT_EQ(results.PositionOf(5), 1u);
    EXPECT_FALSE(results.PositionOf(4));
    EXPECT_EQ(results.After(0), 0u);
    EXPECT_EQ(results.After(2), 1u);
    EXPECT_EQ(results.After(6), 2u) << "from a poem that is no result";
    EXPECT_FALSE(results.After(9));
    EXPECT_EQ(results.Before(9), 1u);
    EXPECT_EQ(results.Before(100), 2u);
    EXPECT_FALSE(results.Before(2));
    EXPECT_FALSE(SearchResults().After(0));
    EXPECT_EQ(ResultOfCount(2, 17), u"第 3 个结果，共 17 个");
}

// Overlapping and touching finds make one mark; notes are never marked.
TEST(SearchResults, MarksEveryOccurrenceInItsOwnFieldAndTheAuthorAskedFor) {
    const SearchResults results({u"李白", u"", u"明月", u"明月"}, {4});
    EXPECT_EQ(MarkedTexts(results, 4, Moon),
              (std::vector<std::u16string>{u"明月", u"李白", u"明月", u"明月明月明月"}));
    EXPECT_TRUE(MarkedTexts(results, 3, Moon).empty()) << "a poem that is no result";

    const SearchResults overlapping({u"不限定", u"", u"明明", u""}, {0});
    EXPECT_EQ(MarkedTexts(overlapping, 0, Moon), std::vector<std::u16string>{u"明明"});
    const SearchResults twice({u"", u"", u"", u"月明月"}, {0});
    EXPECT_EQ(MarkedTexts(twice, 0, Moon), std::vector<std::u16string>{u"月明月明月"});
    EXPECT_TRUE(MarkedTexts(SearchResults({u"不限定", u"不限定", u"", u""}, {0}), 0, Moon).empty());
}
