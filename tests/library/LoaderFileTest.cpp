// The whole load of a file: what it gives, what a failure leaves behind, and the file untouched.
#include "FileBytes.h"
#include "Module1.h"
#include "RecordingSink.h"
#include "TangLoader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// Each test in a folder of its own, which it removes.
class LoaderFile : public ::testing::Test {
protected:
    void TearDown() override { fs::remove_all(folder_); }
    fs::path Write(const std::string& bytes) {
        fs::create_directories(folder_);
        std::ofstream(folder_ / "ts.txt", std::ios::binary) << bytes;
        return folder_ / "ts.txt";
    }
    LoadResult Load(const fs::path& path) { return LoadTangsFile(path, tangs_, sink_); }

    const fs::path folder_ =
        fs::temp_directory_path() /
        ("tang-loader-" + std::to_string(testing::UnitTest::GetInstance()->random_seed()) + "-" +
         testing::UnitTest::GetInstance()->current_test_info()->name());
    std::vector<TangRecord> tangs_;
    RecordingSink sink_;
};

} // namespace

TEST_F(LoaderFile, BundledAnthologyLoadsWholeAndRunningOutOfMemoryLeavesNothingHalfFilled) {
    const LoadResult result = Load(TANG_BUNDLED_ANTHOLOGY);
    ASSERT_TRUE(result.FileRead);
    ASSERT_EQ(tangs_.size(), 320u);
    EXPECT_EQ(sink_.Rhymes.size(), 7u);
    EXPECT_EQ(tangs_[0].Content, u"寥落古行宫，宫花寂寞红。\r\n白头宫女在，闲坐说玄宗。\r\n");
    EXPECT_EQ(LoadMessage(result, tangs_.size()), u"");

    tangs_.clear();
    sink_ = RecordingSink();
    sink_.FailAtAuthorCall = 40; // well into the file, after several headings
    const LoadResult failed = Load(TANG_BUNDLED_ANTHOLOGY);
    EXPECT_FALSE(failed.FileRead);
    EXPECT_EQ(failed.Failure, u"内存不足，无法读入整个文件。");
    EXPECT_TRUE(tangs_.empty());
    EXPECT_EQ(tangs_.capacity(), 0u) << "the memory of the records is given back";
    EXPECT_EQ(sink_.TimesForgotten, 1);
}

TEST_F(LoaderFile, UnreadableFileFolderOrTooLargeFileLeavesTheTableEmptyAndSaysWhy) {
    const fs::path tooLarge = Write("<T>\r\n");
    const fs::path missing = folder_ / "missing.txt";
    const fs::path asFolder = folder_ / "folder.txt";
    fs::create_directory(asFolder);
    fs::resize_file(tooLarge, MaxFileBytes + 1); // sparse: takes no room on the disk
    for (const fs::path& path : {missing, asFolder, tooLarge}) {
        SCOPED_TRACE(path.string());
        const LoadResult result = Load(path);
        EXPECT_FALSE(result.FileRead);
        EXPECT_FALSE(result.Failure.empty());
        EXPECT_EQ(LoadMessage(result, 0), u"无法读取唐诗文件：\r\n" + path.u16string() +
                                              u"\r\n\r\n" + result.Failure +
                                              u"\r\n\r\n程序将以空的诗集启动。");
    }
    EXPECT_EQ(Load(tooLarge).Failure, u"文件太大（超过 2 GB）。") << "not out of memory";
    EXPECT_FALSE(fs::exists(missing)) << "the loader never creates the file";
}

TEST_F(LoaderFile, FileWithoutPoemsSaysSoAndFileIsLeftAsItWas) {
    const std::string bytes = "[\xce\xe5\xd1\xd4\xbe\xf8\xbe\xe4]\r\n(A)\r\n";
    const fs::path path = Write(bytes);
    const auto modified = fs::last_write_time(path);
    const LoadResult result = Load(path);
    EXPECT_TRUE(result.FileRead);
    EXPECT_EQ(sink_.Rhymes, (std::vector<std::u16string>{u"五言绝句"}));
    EXPECT_TRUE(LoadMessage(result, 0).starts_with(u"唐诗文件中没有找到任何唐诗")); // as a text
    EXPECT_EQ(ReadFileBytes(path).Bytes, bytes);
    EXPECT_EQ(fs::last_write_time(path), modified);
}

// NUL bytes inside a poem's verses are a line cut there, and what the page keeps of it counts as
// characters that could not be read, as does a heading's, once for all its poems. (After the
// last poem, such padding is no poem's line: the line-limit test parses one.)
TEST_F(LoaderFile, UnreadableCharactersAreCountedAsThePoemsShowThem) {
    const std::string padding(1 << 20, '\0');
    const LoadResult result =
        Load(Write("[\xFF]\r\n<T>\r\n(A)\r\n" + padding + "\r\n//N//\r\n<U>\r\n"));
    EXPECT_EQ(tangs_.size(), 2u);
    EXPECT_EQ(result.Unreadable, MaxTextLineLength + 1u);
}
