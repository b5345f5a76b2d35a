#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "ui/error.h"
#include "ui/files.h"
#include "temp_folder.h"

namespace sv::files {
namespace fs = std::filesystem;

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = test::makeTempFolder("savanto-files-");
    }
    void TearDown() override { test::removeFolder(dir); }
    std::string raw(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    fs::path dir;
};

TEST_F(FilesTest, TextIsStoredAsWindows1252AndReadBackAsUtf8) {
    writeTextAtomic(dir / "option.ret", "NomJ1=Chloé\r\n");
    EXPECT_EQ(raw(dir / "option.ret"), "NomJ1=Chlo\xE9\r\n");
    EXPECT_EQ(readText(dir / "option.ret"), "NomJ1=Chloé\r\n");
}

TEST_F(FilesTest, ReplacingLeavesNoTemporaryFileAndKeepsTheOldContentWhenTheFolderIsGone) {
    writeTextAtomic(dir / "a.txt", "un");
    writeTextAtomic(dir / "a.txt", "deux");
    EXPECT_EQ(readText(dir / "a.txt"), "deux");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    try {
        writeTextAtomic(dir / "missing" / "a.txt", "x");
        FAIL() << "writing into a missing folder must fail";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 76);
    }
}

TEST_F(FilesTest, ReadingAMissingFileIsError53) {
    try {
        readText(dir / "nothing.ret");
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 53);
        EXPECT_EQ(e.description(), "Fichier introuvable");
    }
}

TEST_F(FilesTest, AnAddedLineNeverJoinsALastLineWithoutItsLineEnd) {
    EXPECT_EQ(withLine("67   01/01/26  10:00  Alice        67    2", "50   02/01/26  11:00  Bob          50    2"),
              "67   01/01/26  10:00  Alice        67    2\r\n50   02/01/26  11:00  Bob          50    2\r\n");
    EXPECT_EQ(withLine("a\r\n", "b"), "a\r\nb\r\n");
    EXPECT_EQ(withLine("", "x"), "x\r\n");
}

TEST_F(FilesTest, OnlyANameWithNothingBehindItIsMissingAndNoFailureIsSwallowed) {
    EXPECT_TRUE(missing(dir / "bestscor.ret"));
    EXPECT_NO_THROW(files::remove(dir / "bestscor.ret"));
    fs::create_directories(dir / "bestscor.ret" / "x");
    EXPECT_FALSE(missing(dir / "bestscor.ret"));
    try {
        readText(dir / "bestscor.ret");
        ADD_FAILURE() << "a folder was read";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 75);
    }
    EXPECT_THROW(files::remove(dir / "bestscor.ret"), RuntimeError);
    EXPECT_TRUE(fs::exists(dir / "bestscor.ret" / "x"));
}

TEST(SplitLines, SplitsAtEveryKindOfLineEnd) {
    EXPECT_EQ(splitLines("a\r\nb\r\n"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(splitLines("a\nb\rc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_TRUE(splitLines("").empty());
    EXPECT_EQ(splitLines("x  "), (std::vector<std::string>{"x  "}));
}

}  // namespace sv::files
