#include "FileBytes.h"
#include "Module1.h"
#include "ProgramTexts.h"
#include "RecordingSink.h"
#include "TangLoader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

class LoaderFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() /
            ("tang-loader-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path Write(const std::string& bytes) {
        const fs::path path = folder_ / "ts.txt";
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    LoadResult Load(const fs::path& path) { return LoadTangsFile(path, tangs_, sink_); }

    fs::path folder_;
    std::vector<TangRecord> tangs_;
    RecordingSink sink_;
};

} // namespace

TEST_F(LoaderFile, BundledAnthologyHas320PoemsUnderSevenHeadings) {
    const LoadResult result = Load(TANG_BUNDLED_ANTHOLOGY);
    ASSERT_TRUE(result.FileRead);
    ASSERT_EQ(tangs_.size(), 320u);
    EXPECT_EQ(sink_.Rhymes.size(), 7u);
    EXPECT_EQ(tangs_[0].Title, u"行宫");
    EXPECT_EQ(tangs_[0].Author, u"元稹");
    EXPECT_EQ(tangs_[0].Content, u"寥落古行宫，宫花寂寞红。\r\n白头宫女在，闲坐说玄宗。\r\n");
    EXPECT_TRUE(tangs_[0].Notes.starts_with(u"作者：元稹"));
    EXPECT_EQ(LoadMessage(result, tangs_.size()), u"");
    EXPECT_EQ(sink_.TimesForgotten, 0);
}

TEST_F(LoaderFile, RunningOutOfMemoryLeavesNothingHalfFilled) {
    sink_.FailAtAuthorCall = 40; // well into the file, after several headings
    const LoadResult result = Load(TANG_BUNDLED_ANTHOLOGY);
    EXPECT_FALSE(result.FileRead);
    EXPECT_TRUE(tangs_.empty());
    EXPECT_EQ(tangs_.capacity(), 0u) << "the memory of the records is given back";
    EXPECT_EQ(sink_.TimesForgotten, 1);
    EXPECT_TRUE(sink_.Rhymes.empty());
    EXPECT_TRUE(sink_.Authors.empty());
    EXPECT_EQ(LoadMessage(result, tangs_.size()),
              u"无法读取唐诗文件：\r\n" + fs::path(TANG_BUNDLED_ANTHOLOGY).u16string() +
                  u"\r\n\r\n内存不足，无法读入整个文件。\r\n\r\n程序将以空的诗集启动。");
}

TEST_F(LoaderFile, UnreadableFileFolderOrTooLargeFileLeavesTheTableEmptyAndSaysWhy) {
    const fs::path missing = folder_ / "missing.txt";
    const fs::path asFolder = folder_ / "folder.txt";
    fs::create_directory(asFolder);
    const fs::path tooLarge = Write("<T>\r\n");
    fs::resize_file(tooLarge, MaxFileBytes + 1); // sparse: takes no room on the disk
    for (const fs::path& path : {missing, asFolder, tooLarge}) {
        SCOPED_TRACE(path.string());
        const LoadResult result = Load(path);
        EXPECT_FALSE(result.FileRead);
        EXPECT_TRUE(tangs_.empty());
        EXPECT_FALSE(result.Failure.empty());
        EXPECT_EQ(LoadMessage(result, 0), u"无法读取唐诗文件：\r\n" + path.u16string() +
                                              u"\r\n\r\n" + result.Failure +
                                              u"\r\n\r\n程序将以空的诗集启动。");
    }
    const std::u16string tooLargeMessage = LoadMessage(Load(tooLarge), 0);
    EXPECT_NE(tooLargeMessage.find(texts::FileTooLargeReason), std::u16string::npos)
        << "not out of memory";
    EXPECT_EQ(tooLargeMessage.find(u"无法读"), tooLargeMessage.rfind(u"无法读"))
        << "what is wrong is said once";
    EXPECT_FALSE(fs::exists(missing)) << "the loader never creates the file";
}

TEST_F(LoaderFile, FileWithoutPoemsSaysSoAndFileIsLeftAsItWas) {
    const std::string bytes = "[\xce\xe5\xd1\xd4\xbe\xf8\xbe\xe4]\r\n(A)\r\n";
    const fs::path path = Write(bytes);
    const auto modified = fs::last_write_time(path);
    const LoadResult result = Load(path);
    EXPECT_TRUE(result.FileRead);
    EXPECT_TRUE(tangs_.empty());
    EXPECT_EQ(sink_.Rhymes, (std::vector<std::u16string>{u"五言绝句"}));
    EXPECT_EQ(LoadMessage(result, 0), u"唐诗文件中没有找到任何唐诗：\r\n" + path.u16string() +
                                          u"\r\n\r\n程序将以空的诗集启动。");
    EXPECT_EQ(ReadFileBytes(path).Bytes, bytes);
    EXPECT_EQ(fs::last_write_time(path), modified);
}

// NUL bytes inside a poem's verses are a line cut there, and what is kept of it counts as
// characters that could not be read. (After the last poem, such padding is no poem's line: the
// bad-input run starts the program on a file padded so, and the line-limit test parses one.)
TEST_F(LoaderFile, NulBytesInVersesAreALongLineOfUnreadableCharacters) {
    const std::string padding(1 << 20, '\0');
    const LoadResult inVerses = Load(Write("<T>\r\n(A)\r\n" + padding + "\r\n//N//\r\n"));
    ASSERT_EQ(tangs_.size(), 1u);
    EXPECT_EQ(tangs_[0].Content, std::u16string(MaxTextLineLength, u'\uFFFD') + u"…\r\n");
    EXPECT_EQ(inVerses.Long.TextCut, 1);
    EXPECT_EQ(inVerses.Unreadable, static_cast<size_t>(MaxTextLineLength)) << "what the page shows";
    EXPECT_NE(LoadMessage(inVerses, tangs_.size()).find(u"1 行诗句或注释超过"),
              std::u16string::npos);
}

TEST(LoadMessage, UnreadableCharactersAreCountedBeforeTheLinesAndAnEmptyAnthologyIsSaidLast) {
    LoadResult result;
    result.FileRead = true;
    result.Path = u"C:\\x\\ts.txt";
    result.Unreadable = 12;
    result.Long.Cut = 1;
    EXPECT_EQ(LoadMessage(result, 5), u"唐诗文件中有 12 个字符无法识别，显示为“\uFFFD”。\r\n\r\n"
                                      u"唐诗文件中有 1 行格律、标题或作者超过 4000 "
                                      u"字，只读入了每行的前 4000 字，截断处以“…”标出。");
    result.Long = {};
    EXPECT_EQ(LoadMessage(result, 0), u"唐诗文件中没有找到任何唐诗：\r\nC:\\x\\ts.txt\r\n\r\n"
                                      u"唐诗文件中有 12 个字符无法识别，显示为“\uFFFD”。\r\n\r\n"
                                      u"程序将以空的诗集启动。");
}
