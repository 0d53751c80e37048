#include <filesystem>

#include "TempDirectory.h"
#include "run/TextFile.h"

namespace Novem {
namespace {

using TextFileTest = TestSupport::InTempDirectory;

TEST_F(TextFileTest, StoresEachLineFeedAsCarriageReturnLineFeed) {
    TextFile file;
    ASSERT_TRUE(file.Open("log.txt"));
    file.Write("a\nb\r");
    file.Write("\r\n");
    file.Write("");
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(ReadFile("log.txt"), "a\r\nb\r\r\r\n");
}

TEST_F(TextFileTest, OpeningTruncatesAndClosingTwiceIsHarmless) {
    WriteFile("log.txt", "old content");
    TextFile file;
    ASSERT_TRUE(file.Open("log.txt"));
    EXPECT_TRUE(file.Close());
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(ReadFile("log.txt"), "");
}

TEST_F(TextFileTest, ReportsLostTextAtClose) {
    std::filesystem::create_symlink("/dev/full", "full.txt");
    TextFile file;
    ASSERT_TRUE(file.Open("full.txt"));
    file.Write("lost\n");
    EXPECT_FALSE(file.Close());
    ASSERT_TRUE(file.Open("log.txt"));
    EXPECT_TRUE(file.Close());
}

TEST_F(TextFileTest, OpeningADirectoryFailsQuietly) {
    std::filesystem::create_directory("dir");
    TextFile file;
    EXPECT_FALSE(file.Open("dir"));
    file.Write("nowhere\n");
    EXPECT_TRUE(file.Close());
}

}  // namespace
}  // namespace Novem
