// What the loader does with lines and poems too long for a page, with characters cut in half by
// a missing bracket, and with files too large to read.
#include "FileBytes.h"
#include "Module1.h"
#include "ProgramTexts.h"
#include "RecordingSink.h"
#include "TangLoader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Parsed {
    std::vector<TangRecord> Tangs;
    RecordingSink Sink;
    LongLines Long;
};

Parsed Parse(std::u16string_view text) {
    Parsed parsed;
    ParseTangs(text, parsed.Tangs, parsed.Sink, &parsed.Long);
    return parsed;
}

std::u16string Repeat(std::u16string_view piece, size_t times) {
    std::u16string text;
    for (size_t i = 0; i < times; ++i) {
        text.append(piece);
    }
    return text;
}

const std::u16string Long(MaxLineLength + 1000, u'静');
const std::u16string Kept = Long.substr(0, MaxLineLength) + u"…";

} // namespace

TEST(LineLimit, LongLinesAreCutWithAnEllipsisWhateverFieldTheyGoTo) {
    const std::u16string exact(MaxLineLength, u'夜');
    const Parsed p = Parse(u"[" + Long + u"]\r\n<" + Long + u">\r\n(" + Long + u")\r\n" + Long +
                           u"\r\n" + exact + u"\r\n//" + Long + u"//\r\n<T>\r\n(A)\r\nV\r\n//" +
                           Long + u"\r\n" + Long + u"//\r\n");
    ASSERT_EQ(p.Tangs.size(), 2u);
    EXPECT_EQ(p.Tangs[0].Rhyme, Kept);
    EXPECT_EQ(p.Sink.Rhymes, std::vector<std::u16string>{Kept});
    EXPECT_EQ(p.Tangs[0].Title, Kept) << "the bracket is dropped before the cut, not the ellipsis";
    EXPECT_EQ(p.Tangs[0].Author, Kept);
    EXPECT_EQ(p.Sink.Authors.front(), Kept);
    EXPECT_EQ(p.Tangs[0].Content, Kept + u"\r\n" + exact + u"\r\n") << "a line at the limit stays";
    EXPECT_EQ(p.Tangs[0].Notes, Kept + u"\r\n");
    EXPECT_EQ(p.Tangs[1].Notes, Kept + u"\r\n" + Kept) << "first and closing lines of a block";
    EXPECT_EQ(p.Long.Cut, 7);
    EXPECT_EQ(p.Long.LeftOut, 0);
}

TEST(LineLimit, CutNeverSplitsACharacterOutsideTheBasicPlane) {
    const std::u16string line = std::u16string(MaxLineLength - 1, u'x') + u"\U0001F319tail";
    const Parsed p = Parse(u"<T>\r\n" + line + u"\r\n//N//\r\n");
    ASSERT_EQ(p.Tangs.size(), 1u);
    EXPECT_EQ(p.Tangs[0].Content, std::u16string(MaxLineLength - 1, u'x') + u"…\r\n");
}

TEST(LineLimit, VersesAndNotesOfOnePoemStopAtTheFieldLimit) {
    const std::u16string verse = u"床前明月光"; // 5 units, 7 with its CR LF
    const size_t fitting = MaxFieldLength / 7;  // lines that fit with the ellipsis
    const Parsed p = Parse(u"<T>\r\n" + Repeat(verse + u"\r\n", 30000) + u"//" + verse + u"\r\n" +
                           Repeat(verse + u"\r\n", 30000) + u"end//\r\n<U>\r\n");
    ASSERT_EQ(p.Tangs.size(), 2u);
    const std::u16string& content = p.Tangs[0].Content;
    EXPECT_EQ(content, Repeat(verse + u"\r\n", fitting) + u"…\r\n");
    EXPECT_LE(content.size(), static_cast<size_t>(MaxFieldLength) + 3);
    const std::u16string& notes = p.Tangs[0].Notes;
    EXPECT_EQ(notes, Repeat(verse + u"\r\n", fitting) + u"…\r\n") << "the closing line too";
    EXPECT_EQ(p.Long.LeftOut, static_cast<int>(2 * (30001 - fitting)));
    EXPECT_EQ(p.Long.Cut, 0);
    EXPECT_EQ(p.Tangs[1].Title, u"U") << "the next poem starts afresh";
}

TEST(LineLimit, MissingClosingBracketDropsAWholeCharacterNotHalfOfIt) {
    const Parsed p = Parse(u"<静\U0001F319\r\n(李\U0001F319\r\n<\U0001F319\r\n<\U0001F319>\r\n"
                           u"V\r\n/\U0001F319x\r\n//\r\n<U>\r\n/\U0001F319//\r\n");
    ASSERT_EQ(p.Tangs.size(), 4u);
    EXPECT_EQ(p.Tangs[0].Title, u"静");
    EXPECT_EQ(p.Tangs[0].Author, u"李");
    EXPECT_EQ(p.Tangs[1].Title, u"");
    EXPECT_EQ(p.Tangs[2].Title, u"\U0001F319");
    EXPECT_EQ(p.Tangs[2].Notes, u"x\r\n") << "the two units dropped first take the whole character";
    EXPECT_EQ(p.Tangs[3].Notes, u"\r\n");
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

TEST(LineLimit, FileOverTwoGigabytesIsTooLargeNotOutOfMemory) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() /
        ("tang-too-large-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::create_directories(folder);
    const fs::path path = folder / "ts.txt";
    std::ofstream(path, std::ios::binary) << "<T>\r\n";
    fs::resize_file(path, MaxFileBytes + 1); // sparse: takes no room on the disk
    std::vector<TangRecord> tangs;
    RecordingSink sink;
    const LoadResult result = LoadTangsFile(path, tangs, sink);
    fs::remove_all(folder);
    EXPECT_FALSE(result.FileRead);
    EXPECT_TRUE(tangs.empty());
    EXPECT_EQ(result.Failure, texts::FileTooLargeReason);
    EXPECT_NE(LoadMessage(result, 0).find(u"文件太大，无法读入"), std::u16string::npos);
}
