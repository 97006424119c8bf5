#include "ListedText.h"
#include "PageText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Titles and authors around every length the cut treats apart: empty, short, at the limit, one
// over, giant, and with a character of two units where the cut falls.
std::vector<TangRecord> RecordsOfEveryListedLength() {
    const std::u16string fits(MaxListedLength, u'静');
    const std::u16string pairAtCut = fits.substr(1) + u"\U00020000" + u"x";
    const std::u16string giant(4000, u'夜');
    return {
        {u"", u"", u"", u"", u""},
        {u"", u"静夜思", u"李白", u"", u""},
        {u"", fits, fits, u"", u""},
        {u"", fits + u"思", u"A", u"", u""},
        {u"", pairAtCut, pairAtCut, u"", u""},
        {u"", giant, giant, u"", u""},
    };
}

} // namespace

TEST(ListedText, LengthsAreThoseOfTheEntriesAsCut) {
    const std::vector<TangRecord> tangs = RecordsOfEveryListedLength();
    for (size_t i = 0; i < tangs.size(); ++i) {
        const TangRecord& record = tangs[i];
        EXPECT_EQ(SearchResultEntryLength(record), SearchResultEntry(record).size()) << i;
        // Numbers of three digits and more.
        for (const int16_t index : {int16_t{0}, int16_t{998}, int16_t{999}, int16_t{32766}}) {
            EXPECT_EQ(PoemListEntryLength(index, record), PoemListEntry(index, record).size())
                << i << " at " << index;
        }
    }
    EXPECT_EQ(ListedLength(std::u16string(4000, u'夜')), MaxListedLength + 1);
}

// The poem list makes its entries one after the other in one buffer.
TEST(ListedText, AnEntryAppendedToABufferFollowsWhatItHolds) {
    std::u16string buffer = u"x";
    for (const TangRecord& record : RecordsOfEveryListedLength()) {
        const std::u16string before = buffer;
        AppendPoemListEntry(buffer, 41, record);
        EXPECT_EQ(buffer, before + PoemListEntry(41, record));
    }
}

TEST(ListedText, ListsReserveForEachEntryAsCutAndItsTerminator) {
    // Enough poems for numbers of four digits.
    std::vector<TangRecord> tangs;
    while (tangs.size() < 1200) {
        for (const TangRecord& record : RecordsOfEveryListedLength()) {
            tangs.push_back(record);
        }
    }
    size_t poemList = 0;
    for (size_t i = 0; i < tangs.size(); ++i) {
        poemList += PoemListEntry(static_cast<int16_t>(i), tangs[i]).size() + 1;
    }
    EXPECT_EQ(PoemListStorage(tangs), poemList);

    const std::vector<int16_t> found = {5, 0, 1199, 5};
    size_t results = 0;
    for (const int16_t index : found) {
        results += SearchResultEntry(tangs[static_cast<size_t>(index)]).size() + 1;
    }
    EXPECT_EQ(ResultListStorage(tangs, found), results);
    EXPECT_EQ(ResultListStorage(tangs, {}), 0u);
    EXPECT_EQ(PoemListStorage({}), 0u);
}

TEST(ListedText, GiantTitlesAndAuthorsReserveNoMoreThanTheirCut) {
    const std::u16string giant(4000, u'夜');
    const std::vector<TangRecord> tangs(100, TangRecord{u"", giant, giant, u"", u""});
    // "(NNN) " and " [" "]" around two cut texts of the limit and their ellipsis, and the NUL.
    EXPECT_EQ(PoemListStorage(tangs), 100 * (6 + 2 * (MaxListedLength + 1) + 3 + 1));
    EXPECT_EQ(ResultListStorage(tangs, {0, 99}), 2 * (2 * (MaxListedLength + 1) + 3 + 1));
}
