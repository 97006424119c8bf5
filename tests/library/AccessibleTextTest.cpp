#include "AccessibleText.h"

#include <gtest/gtest.h>

TEST(AccessibleText, LongNamesEndInAnEllipsisWithinTheLimitAndNeverSplitACharacter) {
    EXPECT_EQ(ShortenedName(u"静夜思", 3), u"静夜思");
    EXPECT_EQ(ShortenedName(u"静夜思", 2), u"静…");
    EXPECT_EQ(ShortenedName(u"静夜思", 0), u"");
    // A cut falling between the halves of a pair drops the whole pair; one after it keeps it.
    const std::u16string pairs = u"a\U00020000\U00020000\U00020000";
    for (const auto& [limit, kept] : {std::pair<size_t, size_t>{3, 1}, {4, 3}, {5, 3}, {6, 5}}) {
        EXPECT_EQ(ShortenedName(pairs + pairs, limit), pairs.substr(0, kept) + u"…") << limit;
    }
}

TEST(AccessibleText, PageNameIsTitleAndAuthorEachShortened) {
    EXPECT_EQ(PageName(TangRecord{u"", u"静夜思", u"李白", u"床前明月光\r\n", u""}),
              u"静夜思 李白");
    EXPECT_EQ(PageName(TangRecord{u"", u"静夜思", u"", u"", u""}), u"静夜思");
    EXPECT_EQ(PageName(TangRecord{u"", u"", u"李白", u"", u""}), u"李白");
    const std::u16string name =
        PageName(TangRecord{u"", std::u16string(4000, u'静'), u"李白", u"", u""});
    EXPECT_EQ(name, std::u16string(LongestAccessibleName - 1, u'静') + u"… 李白");
}

TEST(AccessibleText, LabelsReadAsTheirLinesWithoutTheClosingColon) {
    EXPECT_EQ(LabelName(u"作者："), u"作者");
    EXPECT_EQ(LabelName(u"花开堪折直须折\r\n莫待无花空折枝"), u"花开堪折直须折，莫待无花空折枝");
    EXPECT_EQ(LabelName(u"：中："), u"：中");
    EXPECT_EQ(LabelName(u"\r\n"), u"");
}

TEST(AccessibleText, ColumnsAreReadTopToBottomFromTheLeft) {
    EXPECT_EQ(ReadInColumns(u"熟 不\r\n读 会\r\n青 作"), u"熟读青，不会作");
    EXPECT_EQ(ReadInColumns(u"甲\r\n乙 丙"), u"甲乙，丙"); // a short row leaves its column out
    EXPECT_EQ(ReadInColumns(u""), u"");
}
