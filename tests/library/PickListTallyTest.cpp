#include "FullListMessage.h"
#include "MessageParagraphs.h"
#include "PickListTally.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// A pick list that takes entries until it has `room` for no more, then refuses them.
struct FakeList {
    std::vector<std::u16string> Entries{u"不限定"};
    size_t Room = MaxPickListEntries;

    auto Adder() {
        return [this](const std::u16string& text) {
            if (Entries.size() >= Room) {
                return false;
            }
            Entries.push_back(text);
            return true;
        };
    }
};

std::u16string Name(size_t number) {
    return u"作者" + ToDecimal(number);
}

} // namespace

TEST(PickListTally, EachAuthorIsOfferedOnceAndWhatAListRefusesIsCounted) {
    PickListTally tally(u"不限定");
    FakeList authors;
    FakeList rhymes;
    authors.Room = 3;
    rhymes.Room = 2;
    for (const char16_t* name :
         {u"李白", u"杜甫", u"李白", u"不限定", u"王维", u"孟浩然", u"王维"}) {
        tally.OfferAuthor(name, authors.Adder());
    }
    for (const char16_t* heading : {u"五言绝句", u"五言绝句", u"七言律诗"}) {
        tally.OfferRhyme(heading, rhymes.Adder());
    }
    EXPECT_EQ(authors.Entries, (std::vector<std::u16string>{u"不限定", u"李白", u"杜甫"}));
    EXPECT_EQ(rhymes.Entries, (std::vector<std::u16string>{u"不限定", u"五言绝句"}));
    // 王维 and 孟浩然 were refused, each counted once; two headings were refused.
    EXPECT_EQ(tally.Message(), PickListsFullMessage(2, 2));

    PickListTally quiet(u"不限定");
    FakeList roomy;
    quiet.OfferAuthor(u"李白", roomy.Adder());
    quiet.OfferRhyme(u"五言绝句", roomy.Adder());
    EXPECT_EQ(quiet.Message(), u"");
}

TEST(PickListTally, ListsStopAtTheCapAndTheMessageSaysSo) {
    PickListTally tally(u"不限定");
    FakeList authors;
    FakeList rhymes;
    authors.Room = SIZE_MAX; // a list that would take everything: the cap alone stops it
    rhymes.Room = SIZE_MAX;
    const size_t offered = MaxPickListEntries + 100;
    for (size_t i = 0; i < offered; ++i) {
        tally.OfferRhyme(u"五言绝句", rhymes.Adder());
        tally.OfferAuthor(Name(i), authors.Adder());
    }
    tally.OfferAuthor(Name(0), authors.Adder()); // listed before the cap: nothing new
    ASSERT_EQ(rhymes.Entries.size(), MaxPickListEntries);
    ASSERT_EQ(authors.Entries.size(), MaxPickListEntries);
    EXPECT_EQ(authors.Entries.back(), Name(MaxPickListEntries - 2));
    std::u16string expected = PickListsFullMessage(offered - (MaxPickListEntries - 1), 0);
    AppendParagraph(expected, u"作者列表已满：只列出了 32766 位作者，其余的作者没有列出，"
                              u"可在作者框中直接输入后查询。");
    EXPECT_EQ(tally.Message(), expected);
}

TEST(PickListTally, AListFullOfRepeatsIsNotCapped) {
    // A name met again after the list is full is no new name: the author message stays silent.
    PickListTally tally(u"不限定");
    FakeList authors;
    for (size_t i = 0; i + 1 < MaxPickListEntries; ++i) {
        tally.OfferAuthor(Name(i), authors.Adder());
    }
    for (size_t i = 0; i < 10; ++i) {
        tally.OfferAuthor(Name(i), authors.Adder());
    }
    EXPECT_EQ(authors.Entries.size(), MaxPickListEntries);
    EXPECT_EQ(tally.Message(), u"");
}
