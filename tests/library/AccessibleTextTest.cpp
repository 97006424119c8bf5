#include "AccessibleText.h"

#include <gtest/gtest.h>

TEST(AccessibleText, LongNamesEndInAnEllipsisWithinTheLimitAndNeverSplitACharacter) {
    EXPECT_EQ(ShortenedName(u"静夜思", 3), u"静夜思");
    EXPECT_EQ(ShortenedName(u"静夜思", 2), u"静…");
    EXPECT_EQ(ShortenedName(u"静夜思", 0), u"");
    const std::u16string pair = u"\U00020000"; // one character, two units
    // A cut falling between the halves drops the whole pair; one after it keeps it.
    for (size_t lead = 0; lead < 4; ++lead) {
        std::u16string text(lead, u'a');
        for (int i = 0; i < 20; ++i) {
            text += pair;
        }
        for (size_t limit = 1; limit < 12; ++limit) {
            const std::u16string name = ShortenedName(text, limit);
            ASSERT_LE(name.size(), limit);
            ASSERT_EQ(name.back(), u'…');
            const std::u16string kept = name.substr(0, name.size() - 1);
            EXPECT_EQ(kept, text.substr(0, kept.size())) << lead << " " << limit;
            EXPECT_GE(kept.size() + 2, limit) << "at most the pair and the ellipsis are missing";
            EXPECT_FALSE(!kept.empty() && kept.back() >= 0xD800 && kept.back() <= 0xDBFF)
                << "a lone high surrogate at " << lead << " " << limit;
        }
    }
}

TEST(AccessibleText, PageNameIsTitleAndAuthorEachShortened) {
    EXPECT_EQ(PageName(TangRecord{u"", u"静夜思", u"李白", u"床前明月光\r\n", u""}),
              u"静夜思 李白");
    EXPECT_EQ(PageName(TangRecord{u"", u"静夜思", u"", u"", u""}), u"静夜思");
    EXPECT_EQ(PageName(TangRecord{u"", u"", u"李白", u"", u""}), u"李白");
    EXPECT_EQ(PageName(TangRecord{}), u"");
    const std::u16string name =
        PageName(TangRecord{u"", std::u16string(4000, u'静'), u"李白", u"", u""});
    EXPECT_EQ(name, std::u16string(LongestAccessibleName - 1, u'静') + u"… 李白");
}

TEST(AccessibleText, LabelsReadAsTheirLinesWithoutTheClosingColon) {
    EXPECT_EQ(LabelName(u"作者："), u"作者");
    EXPECT_EQ(LabelName(u"青简雅韵集 第12首"), u"青简雅韵集 第12首");
    EXPECT_EQ(LabelName(u"花开堪折直须折\r\n莫待无花空折枝"), u"花开堪折直须折，莫待无花空折枝");
    EXPECT_EQ(LabelName(u"：中："), u"：中");
    EXPECT_EQ(LabelName(u""), u"");
    EXPECT_EQ(LabelName(u"\r\n"), u"");
}

TEST(AccessibleText, ColumnsAreReadTopToBottomFromTheLeft) {
    EXPECT_EQ(ReadInColumns(u"熟 不\r\n读 会\r\n青 作\r\n简 诗\r\n雅 也\r\n韵 会\r\n集 吟"),
              u"熟读青简雅韵集，不会作诗也会吟");
    EXPECT_EQ(ReadInColumns(u"甲\r\n乙 丙"), u"甲乙，丙"); // a short row leaves its column out
    EXPECT_EQ(ReadInColumns(u""), u"");
}
