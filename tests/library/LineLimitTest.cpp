// What the loader does with lines and poems too long for a page, with characters cut in half by
// a missing bracket, and what the load message says of them.
#include "Module1.h"
#include "ParsedTangs.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Long enough that the closing bracket lies beyond any 16-bit position.
const std::u16string Long(40000, u'静');
const std::u16string KeptInList = Long.substr(0, MaxLineLength) + u"…";
const std::u16string KeptOnPage = Long.substr(0, MaxTextLineLength) + u"…";

// Eight units with its CR LF, so that a field fills to its last unit.
constexpr size_t VerseLength = 8;
constexpr size_t FittingLines = MaxFieldLength / VerseLength;

std::u16string VerseLines(size_t count) {
    std::u16string lines;
    for (size_t i = 0; i < count; ++i) {
        lines += u"床前明月光，\r\n";
    }
    return lines;
}

} // namespace

// Headings, titles and authors go into lists and are cut early; verse and notes lines much
// later. A bracket is dropped before the cut, not the ellipsis; a line at its limit stays whole.
TEST(LineLimit, ListLinesAreCutShortAndPageLinesLong) {
    const std::u16string exact(MaxTextLineLength, u'夜');
    const Parsed p = Parse(u"[" + Long + u"]rest\r\n<" + Long + u">\r\n(" + Long + u")\r\n" + Long +
                           u"\r\n//" + Long + u"//\r\n<T>\r\n(A)\r\n" + exact + u"\r\n//" + Long +
                           u"\r\n" + Long + u"//\r\n");
    ExpectTangs(p.Tangs,
                {{KeptInList, KeptInList, KeptInList, KeptOnPage + u"\r\n", KeptOnPage + u"\r\n"},
                 {KeptInList, u"T", u"A", exact + u"\r\n", KeptOnPage + u"\r\n…\r\n"}});
    EXPECT_EQ(p.Sink.Authors, (Texts{KeptInList, u"A"}));
    EXPECT_EQ(Parse(u"<T>\r\n" + exact + u"夜\r\n//N//\r\n").Tangs.at(0).Content, exact + u"…\r\n")
        << "one unit over the limit";
    EXPECT_EQ(p.Long.Cut, 3);
    EXPECT_EQ(p.Long.TextCut, 3) << "the closing line, left out, counts once, as left out";
    EXPECT_EQ(p.Long.LeftOut, 1);
    EXPECT_LT(p.Tangs[0].Title.capacity(), KeptInList.size() * 3 / 2) << "no room left unused";
}

// A field keeps the lines that fit whole, to its last unit, then a line "…"; the lines beyond
// are counted as left out of that poem, or, when poems without a notes line piled their verses
// up into a later one's, counted apart. Lines still pending when the file ends (a run of
// replacement characters after the last poem, from NUL padding, or the verses of a last poem
// without notes) were cut from no poem.
TEST(LineLimit, FieldsStopAtTheirLimitAndWhatIsLeftOutIsCountedByWhy) {
    const std::u16string verses = VerseLines(30000);
    const std::u16string kept = VerseLines(FittingLines) + u"…\r\n";
    const Parsed own =
        Parse(u"<T>\r\n" + verses + u"//床前明月光，\r\n" + verses + u"end//\r\n<U>\r\n");
    ExpectTangs(own.Tangs, {{u"", u"T", u"", kept, kept}, {u"", u"U", u"", u"", u""}});
    EXPECT_EQ(own.Long.LeftOut, static_cast<int>(2 * (30001 - FittingLines)));
    EXPECT_EQ(own.Long.LeftOutCarried + own.Long.Cut + own.Long.TextCut, 0);

    std::u16string piled;
    for (int poem = 0; poem < 10; ++poem) {
        piled += u"<P>\r\n(A)\r\n" + VerseLines(500);
    }
    const Parsed carried = Parse(piled + u"<Q>\r\n(B)\r\n//N//\r\n");
    ASSERT_EQ(carried.Tangs.size(), 11u);
    EXPECT_EQ(carried.Tangs[10].Content, kept);
    EXPECT_EQ(carried.Long.LeftOutCarried, static_cast<int>(5000 - FittingLines));
    EXPECT_EQ(carried.Long.LeftOut, 0);

    const std::u16string padding(100000, u'\uFFFD');
    for (const std::u16string& tail :
         {u"closes nothing\r\n" + padding, u"<U>\r\n" + padding + u"\r\n" + Long,
          u"<U>\r\n" + VerseLines(5000)}) {
        const Parsed p = Parse(u"<T>\r\n(A)\r\nV\r\n//N//\r\n" + tail);
        EXPECT_EQ(p.Long.Cut + p.Long.TextCut + p.Long.LeftOut + p.Long.LeftOutCarried, 0)
            << p.Tangs.size() << " poems";
    }
    EXPECT_EQ(Parse(u"<T>\r\n" + padding + u"\r\n//N//\r\n").Long.TextCut, 1)
        << "the same run within a poem's verses";
}

// Neither the cut nor a missing closing bracket leaves half of a character outside the basic
// plane; the two units dropped from the start of a notes line take a whole one.
TEST(LineLimit, WholeCharactersAreKeptAtTheSurrogateEdge) {
    const std::u16string inList(MaxLineLength - 1, u'x');
    const std::u16string onPage(MaxTextLineLength - 1, u'x');
    const Parsed p =
        Parse(u"<静\U0001F319\r\n(李\U0001F319\r\n<\U0001F319\r\n<\U0001F319>\r\n"
              u"V\r\n/\U0001F319x\r\n//\r\n<U>\r\n(" +
              inList + u"\U0001F319tail)\r\n" + onPage + u"\U0001F319tail\r\n/\U0001F319//\r\n");
    ExpectTangs(p.Tangs, {{u"", u"静", u"李", u"", u""},
                          {},
                          {u"", u"\U0001F319", u"", u"V\r\n", u"x\r\n"},
                          {u"", u"U", inList + u"…", onPage + u"…\r\n", u"\r\n"}});
}

// Each paragraph in its place: the poems left out or the empty anthology first, then the
// unreadable characters, then the lines by kind, and what an empty anthology means last.
TEST(LineLimit, LoadMessageSaysWhatWasCutOrLeftOutAndWhy) {
    const auto message = [](int poemsLeftOut, size_t unreadable, LongLines lines, size_t poems) {
        return LoadMessage(LoadResult{true, u"C:\\x\\ts.txt", u"", poemsLeftOut, unreadable, lines},
                           poems);
    };
    const std::u16string unreadable = u"唐诗文件中有 12 个字符无法识别，显示为“\uFFFD”。\r\n\r\n";
    EXPECT_EQ(message(5, 12, {0, 2, 27, 0}, MaxTangs),
              u"唐诗文件中的唐诗超过 32767 首，其后的 5 首没有读入。\r\n\r\n" + unreadable +
                  u"唐诗文件中有 2 行诗句或注释超过 16000 字，只读入了每行的前 16000 字，"
                  u"截断处以“…”标出。\r\n\r\n唐诗文件中有 27 行没有读入：一首唐诗的诗句或注释"
                  u"最多读入 20000 字，其余以“…”标出。");
    const std::u16string cut = message(0, 0, {3, 0, 0, 8}, 10);
    EXPECT_TRUE(cut.starts_with(u"唐诗文件中有 3 行格律、标题或作者超过 4000 字"));
    EXPECT_TRUE(cut.ends_with(u"合起来超过 20000 字，其余以“…”标出。"));
    EXPECT_EQ(message(0, 12, {}, 0), u"唐诗文件中没有找到任何唐诗：\r\nC:\\x\\ts.txt\r\n\r\n" +
                                         unreadable + u"程序将以空的诗集启动。");
    EXPECT_EQ(message(0, 0, {}, 10), u"");
}
