// What the loader does with lines and poems too long for a page, with characters cut in half by
// a missing bracket.
#include "Module1.h"
#include "ParsedTangs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Texts = std::vector<std::u16string>;

namespace {

// Long enough that the closing bracket lies beyond any 16-bit position.
const std::u16string Long(40000, u'静');
const std::u16string Kept = Long.substr(0, MaxLineLength) + u"…";

} // namespace

// A bracket is dropped before the cut, not the ellipsis; a line at the limit stays whole.
TEST(LineLimit, LongLinesAreCutWithAnEllipsisWhateverFieldTheyGoTo) {
    const std::u16string exact(MaxLineLength, u'夜');
    const Parsed p = Parse(u"[" + Long + u"]rest\r\n<" + Long + u">\r\n(" + Long + u")\r\n" + Long +
                           u"\r\n" + exact + u"\r\n//" + Long + u"//\r\n<T>\r\n(A)\r\nV\r\n//" +
                           Long + u"\r\n" + Long + u"//\r\n");
    ExpectTangs(p.Tangs, {{Kept, Kept, Kept, Kept + u"\r\n" + exact + u"\r\n", Kept + u"\r\n"},
                          {Kept, u"T", u"A", u"V\r\n", Kept + u"\r\n" + Kept}});
    EXPECT_EQ(p.Sink.Rhymes, Texts{Kept});
    EXPECT_EQ(p.Sink.Authors, (Texts{Kept, u"A"}));
    EXPECT_EQ(p.Long.Cut, 7);
    EXPECT_EQ(p.Long.LeftOut, 0);
}

TEST(LineLimit, VersesAndNotesOfOnePoemStopAtTheFieldLimit) {
    std::u16string verses;
    for (int i = 0; i < 30000; ++i) {
        verses += u"床前明月光\r\n"; // 7 units with its CR LF
    }
    const size_t fitting = MaxFieldLength / 7; // lines that fit with the ellipsis
    const Parsed p =
        Parse(u"<T>\r\n" + verses + u"//床前明月光\r\n" + verses + u"end//\r\n<U>\r\n");
    const std::u16string kept = verses.substr(0, 7 * fitting) + u"…\r\n";
    ExpectTangs(p.Tangs, {{u"", u"T", u"", kept, kept}, {u"", u"U", u"", u"", u""}});
    EXPECT_EQ(p.Long.LeftOut, static_cast<int>(2 * (30001 - fitting)));
    EXPECT_EQ(p.Long.Cut, 0);
}

// Neither the cut nor a missing closing bracket leaves half of a character outside the basic
// plane; the two units dropped from the start of a notes line take a whole one.
TEST(LineLimit, WholeCharactersAreKeptAtTheSurrogateEdge) {
    const std::u16string x(MaxLineLength - 1, u'x');
    const Parsed p = Parse(u"<静\U0001F319\r\n(李\U0001F319\r\n<\U0001F319\r\n<\U0001F319>\r\n"
                           u"V\r\n/\U0001F319x\r\n//\r\n<U>\r\n" +
                           x + u"\U0001F319tail\r\n/\U0001F319//\r\n");
    ExpectTangs(p.Tangs, {{u"", u"静", u"李", u"", u""},
                          {},
                          {u"", u"\U0001F319", u"", u"V\r\n", u"x\r\n"},
                          {u"", u"U", u"", x + u"…\r\n", u"\r\n"}});
}

TEST(LineLimit, LoadMessageSaysOnceHowManyLinesWereCutOrLeftOut) {
    LoadResult result;
    result.FileRead = true;
    result.Long.Cut = 3;
    EXPECT_EQ(LoadMessage(result, 10),
              u"唐诗文件中有 3 行超过 4000 字，只读入了每行的前 4000 字，截断处以“…”标出。");
    result.Long.LeftOut = 27;
    result.PoemsLeftOut = 5;
    EXPECT_EQ(
        LoadMessage(result, MaxTangs),
        u"唐诗文件中的唐诗超过 32767 首，其后的 5 首没有读入。\r\n\r\n"
        u"唐诗文件中有 3 行超过 4000 字，只读入了每行的前 4000 字，截断处以“…”标出。\r\n\r\n"
        u"唐诗文件中有 27 行没有读入：一首唐诗的诗句或注释最多读入 20000 字，其余以“…”标出。");
    result.Long = {};
    result.PoemsLeftOut = 0;
    EXPECT_EQ(LoadMessage(result, 10), u"");
}
