#include "ListedText.h"
#include "PageText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The lists reserve from the entries as cut: for titles and authors empty, short, at the limit,
// one over, giant, and with a character of two units where the cut falls, the lengths and
// reservations are those of the real entries, and a giant text costs no more than its cut.
TEST(ListedText, ListsReserveForTheirEntriesAsCut) {
    const std::u16string fits(MaxListedLength, u'静');
    const std::u16string pairAtCut = fits.substr(1) + u"\U00020000x";
    const std::u16string giant(4000, u'夜');
    std::vector<TangRecord> tangs;
    for (const std::u16string& text :
         {std::u16string(), std::u16string(u"李白"), fits, fits + u"思", pairAtCut, giant}) {
        tangs.push_back({u"", text, text, u"", u""});
    }
    tangs.resize(1200, tangs.back()); // numbers of four digits
    size_t poemList = 0;
    std::u16string buffer = u"x";
    for (size_t i = 0; i < tangs.size(); ++i) {
        const auto index = static_cast<int16_t>(i);
        const std::u16string entry = PoemListEntry(index, tangs[i]);
        EXPECT_EQ(PoemListEntryLength(index, tangs[i]), entry.size()) << i;
        EXPECT_EQ(SearchResultEntryLength(tangs[i]), SearchResultEntry(tangs[i]).size()) << i;
        const std::u16string before = buffer;
        AppendPoemListEntry(buffer, index, tangs[i]);
        ASSERT_EQ(buffer, before + entry) << i;
        poemList += entry.size() + 1;
    }
    EXPECT_EQ(PoemListStorage(tangs), poemList);
    EXPECT_EQ(ResultListStorage(tangs, {5, 0, 5}),
              2 * (2 * (MaxListedLength + 1) + 3 + 1) + SearchResultEntry(tangs[0]).size() + 1);
    EXPECT_EQ(ResultListStorage(tangs, {}), 0u);
}
