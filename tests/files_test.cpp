#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ui/files.h"
#include "temp_folder.h"

namespace sv::files {
namespace fs = std::filesystem;
using test::raised;

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override { dir = test::makeTempFolder("savanto-files-"); }
    void TearDown() override { test::removeFolder(dir); }
    fs::path dir;
};

TEST_F(FilesTest, TextIsStoredAsWindows1252AndReplacedWholeWithNoTemporaryLeft) {
    writeTextAtomic(dir / "option.ret", "un");
    writeTextAtomic(dir / "option.ret", "NomJ1=Chloé\r\n");
    std::ifstream in(dir / "option.ret", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "NomJ1=Chlo\xE9\r\n");
    EXPECT_EQ(readText(dir / "option.ret"), "NomJ1=Chloé\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    EXPECT_EQ(raised([&] { writeTextAtomic(dir / "missing" / "a.txt", "x"); }).first, 76);
    EXPECT_EQ(raised([&] { readText(dir / "nothing.ret"); }), (std::pair<int, std::string>{53, "Fichier introuvable"}));
}

TEST_F(FilesTest, OnlyANameWithNothingBehindItIsMissingAndNoFailureIsSwallowed) {
    EXPECT_TRUE(missing(dir / "bestscor.ret"));
    EXPECT_NO_THROW(files::remove(dir / "bestscor.ret"));
    fs::create_directories(dir / "bestscor.ret" / "x");
    EXPECT_FALSE(missing(dir / "bestscor.ret"));
    EXPECT_EQ(raised([&] { readText(dir / "bestscor.ret"); }).first, 75);
    EXPECT_NE(raised([&] { files::remove(dir / "bestscor.ret"); }).first, 0);
    EXPECT_TRUE(fs::exists(dir / "bestscor.ret" / "x"));
}

TEST(Lines, AnAddedLineNeverJoinsALastLineWithoutItsLineEndAndEveryLineEndSplits) {
    EXPECT_EQ(withLine("67   01/01/26  10:00  Alice        67    2", "50   02/01/26  11:00  Bob          50    2"),
              "67   01/01/26  10:00  Alice        67    2\r\n50   02/01/26  11:00  Bob          50    2\r\n");
    EXPECT_EQ(withLine("a\r\n", "b"), "a\r\nb\r\n");
    EXPECT_EQ(withLine("", "x"), "x\r\n");
    EXPECT_EQ(splitLines("a\r\nb\r\n"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(splitLines("a\nb\rc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_TRUE(splitLines("").empty());
    EXPECT_EQ(splitLines("x  "), (std::vector<std::string>{"x  "}));
}

}  // namespace sv::files
