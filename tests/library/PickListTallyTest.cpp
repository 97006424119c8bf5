// What the lists take when they cannot take everything, and what the user is told.
#include "FullListMessage.h"
#include "MessageParagraphs.h"
#include "PickListTally.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// A pick list that takes entries until it holds `room`, then refuses them.
auto Adder(std::vector<std::u16string>& entries, size_t room = SIZE_MAX) {
    return [&entries, room](const std::u16string& text) {
        const bool taken = entries.size() < room;
        entries.insert(entries.end(), taken ? 1 : 0, text);
        return taken;
    };
}

std::u16string Name(size_t number) {
    return u"作者" + ToDecimal(number);
}

} // namespace

TEST(FullListMessage, SaysWhatIsNotListedAndHowToFindItAnyway) {
    EXPECT_EQ(PoemListFullMessage(19680, 32767),
              u"唐诗列表已满：共 32767 首唐诗，只列出了前 19680 首，其后的 13087 首没有列出。"
              u"可用翻页按钮或查询窗口找到它们。");
    EXPECT_NE(ResultListFullMessage(0, 7).find(u"只列出了前 0 首，其后的 7 首"),
              std::u16string::npos);
}

TEST(PickListTally, EachAuthorIsOfferedOnceAndWhatAListRefusesIsCounted) {
    PickListTally tally(u"不限定");
    std::vector<std::u16string> authors{u"不限定"}, rhymes{u"不限定"};
    for (const char16_t* name :
         {u"李白", u"杜甫", u"李白", u"不限定", u"王维", u"孟浩然", u"王维"}) {
        tally.OfferAuthor(name, Adder(authors, 3));
    }
    for (const char16_t* heading : {u"五言绝句", u"五言绝句", u"七言律诗"}) {
        tally.OfferRhyme(heading, Adder(rhymes, 2));
    }
    EXPECT_EQ(authors, (std::vector<std::u16string>{u"不限定", u"李白", u"杜甫"}));
    EXPECT_EQ(rhymes, (std::vector<std::u16string>{u"不限定", u"五言绝句"}));
    // 王维 and 孟浩然 were refused, each counted once; two headings were refused.
    EXPECT_EQ(tally.Message(), PickListsFullMessage(2, 2));
}

// Lists that would take everything: the cap alone stops them. A list that took all it was
// offered says nothing, and a name met again once the author list is full is no new name and
// leaves it uncapped.
TEST(PickListTally, ListsStopAtTheCapAndTheMessageSaysSo) {
    PickListTally tally(u"不限定");
    std::vector<std::u16string> authors{u"不限定"}, rhymes{u"不限定"};
    for (size_t i = 0; i + 1 < MaxPickListEntries + 10; ++i) { // the last ten met again
        tally.OfferAuthor(Name(i % (MaxPickListEntries - 1)), Adder(authors));
    }
    tally.OfferRhyme(u"五言绝句", Adder(rhymes));
    ASSERT_EQ(authors.size(), MaxPickListEntries);
    EXPECT_EQ(tally.Message(), u"");

    const size_t offered = MaxPickListEntries + 100;
    for (size_t i = 1; i < offered; ++i) {
        tally.OfferRhyme(u"五言绝句", Adder(rhymes));
    }
    tally.OfferAuthor(Name(MaxPickListEntries), Adder(authors));
    ASSERT_EQ(rhymes.size(), MaxPickListEntries);
    EXPECT_EQ(authors.size(), MaxPickListEntries);
    EXPECT_EQ(authors.back(), Name(MaxPickListEntries - 2));
    EXPECT_EQ(tally.Message(), PickListsFullMessage(offered - (MaxPickListEntries - 1), 0) +
                                   u"\r\n\r\n" + AuthorListCappedMessage(32766));
}
