#include "TangSearch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Rhyme, title, author, content; notes are never searched.
const std::vector<TangRecord> Anthology = {
    {u"", u"序诗", u"", u"开卷\r\n", u""},                        // 0: before the first heading
    {u"五言绝句", u"静夜思", u"李白", u"床前明月光，\r\n", u"N"}, // 1
    {u"五言绝句", u"春晓", u"孟浩然", u"春眠不觉晓，\r\n", u""},  // 2
    {u"七言绝句", u"早发白帝城", u"李白", u"朝辞白帝彩云间，\r\n", u""}, // 3
    {u"五言绝句", u"静夜", u"李白 ", u"明月\r\n", u""},                  // 4: author with a blank
    {u"五言绝句", u"", u"无名", u"明月\r\n", u""},                       // 5: empty title
    {u"五言绝句", u"空诗", u"无名", u"", u""},                           // 6: empty verses
    {u"Latin", u"Moon", u"Li Bai", u"Bright moon\r\n", u""},             // 7
};

using Indexes = std::vector<int16_t>;

} // namespace

// An empty criterion and "不限定" put no restriction; the latter only as the whole criterion.
TEST(Search, AuthorAndFormMatchWholeStringsAndTitleAndVersesSubstrings) {
    const struct {
        SearchCriteria Criteria; // author, rhyme, title, content
        Indexes Found;
        const char* Why;
    } cases[] = {
        {{}, {0, 1, 2, 3, 4, 7}, "every poem with title and verses"},
        {{u"不限定", u"不限定", u"", u""}, {0, 1, 2, 3, 4, 7}, "no restriction"},
        {{u"不限定 ", u"", u"", u""}, {}, "a blank makes it an author"},
        {{u"李白", u"", u"", u""}, {1, 3}, "whole author"},
        {{u"李", u"", u"", u""}, {}, "no part of an author"},
        {{u"李白 ", u"", u"", u""}, {4}, "blanks count"},
        {{u"", u"七言绝句", u"", u""}, {3}, "form"},
        {{u"", u"五言绝句", u"序", u""}, {}, "before the first heading has no form"},
        {{u"", u"", u"静夜", u""}, {1, 4}, "part of a title"},
        {{u"", u"", u"静夜思静夜思", u""}, {}, "longer than every title"},
        {{u"", u"", u"", u"明月"}, {1, 4}, "part of the verses"},
        {{u"", u"", u"", u"明月\r\n"}, {4}, "line ends in the verses"},
        {{u"", u"", u"Ｍoon", u""}, {}, "no width folding"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SearchTangs(Anthology, c.Criteria), c.Found) << c.Why;
    }
    EXPECT_TRUE(SearchTangs({}, SearchCriteria{}).empty());
}
