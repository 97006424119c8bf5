#include "SpokenLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The page of `record` in positions, where a line break is one.
std::u16string PageInPositions(const std::array<PageRun, 4>& runs) {
    std::u16string page;
    for (const PageRun& run : runs) {
        for (const char16_t unit : run.Text) {
            page.append(unit == u'\n' ? 0 : 1, unit);
        }
    }
    return page;
}

struct Heard {
    std::u16string Said;
    std::u16string Marked; // the page's text under the line's mark
    bool operator==(const Heard&) const = default;
};

std::vector<Heard> Read(const TangRecord& record, ReadAloudPart part) {
    const std::array<PageRun, 4> runs = PageRuns(record);
    const std::u16string page = PageInPositions(runs);
    std::vector<Heard> heard;
    for (const SpokenLine& line : SpokenLines(runs, part)) {
        EXPECT_EQ(line.OnPage.Kind, MarkKind::Reading);
        heard.push_back(
            {line.Text, page.substr(line.OnPage.Start, line.OnPage.End - line.OnPage.Start)});
    }
    return heard;
}

} // namespace

TEST(SpokenLines, ThePoemIsReadLineByLineAndTheNotesOnlyWhenAskedFor) {
    const TangRecord record{u"五言绝句", u"静夜思", u"李白",
                            u"床前明月光，疑是地上霜。\r\n\r\n“举头”望明月，低头思故乡。\r\n",
                            u"//注：①床，井栏。\r\n[2] 疑是：好像。//"};
    EXPECT_EQ(Read(record, ReadAloudPart::Poem),
              (std::vector<Heard>{{u"静夜思", u"静夜思"},
                                  {u"李白", u"李白"},
                                  {u"床前明月光，疑是地上霜。", u"床前明月光，疑是地上霜。"},
                                  {u"举头望明月，低头思故乡。", u"“举头”望明月，低头思故乡。"}}));
    EXPECT_EQ(Read(record, ReadAloudPart::Notes),
              (std::vector<Heard>{{u"注，床，井栏。", u"//注：①床，井栏。"},
                                  {u"2疑是，好像。", u"[2] 疑是：好像。//"}}));
    EXPECT_TRUE(Read({u"", u"", u"", u"", u""}, ReadAloudPart::Notes).empty());
}

TEST(SpokenLines, VoicesGetWordsAndPausesButNoSigns) {
    EXPECT_EQ(SpokenText(u"《将进酒》——君不见！"), u"将进酒，君不见。");
    EXPECT_EQ(SpokenText(u"（一作“花”）"), u"一作花");
    EXPECT_EQ(SpokenText(u"Li Bai · 李白 (701-762)"), u"Li Bai李白701 762");
    EXPECT_EQ(SpokenText(u"\U00020000字\uE000字……"), u"字字，");
    EXPECT_EQ(SpokenText(u"，。《》·"), u"");
}

TEST(MarkedSpans, TheLineReadCoversTheHitsWithinItAndKeepsTheRest) {
    using enum MarkKind;
    const MarkedSpan hits[] = {{2, 11}, {12, 13}, {14, 16}, {30, 40}};
    const std::vector<MarkedSpan> marks = WithLineRead(hits, {10, 15});
    EXPECT_EQ(marks, (std::vector<MarkedSpan>{
                         {2, 10, Hit}, {10, 15, Reading}, {15, 16, Hit}, {30, 40, Hit}}));
    EXPECT_EQ(MarkAt(marks, 9), Hit);
    EXPECT_EQ(MarkAt(marks, 12), Reading);
    EXPECT_EQ(MarkAt(marks, 16), None);
    EXPECT_EQ(MarkAt(marks, 40), None);
    EXPECT_EQ(MarkAt(marks, 1), None);
    EXPECT_EQ(WithLineRead(hits, {20, 25})[3], (MarkedSpan{20, 25, Reading}));
    EXPECT_EQ(WithLineRead({}, {0, 3}), (std::vector<MarkedSpan>{{0, 3, Reading}}));
}
