#include "platform/seams/FileSearch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class FileSearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("tracelume-search-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder / "folder.cwd");
        for (const char* name : {"b event.cwd", "a.cwd", "notes.txt"})
            std::ofstream(folder / name) << "x";
        previous = fs::current_path();
        fs::current_path(folder);
    }
    void TearDown() override
    {
        fs::current_path(previous);
        fs::remove_all(folder);
    }
    std::string Full(const char* name) const { return (folder / name).lexically_normal().string(); }

    fs::path folder;
    fs::path previous;
};

TEST_F(FileSearchTest, APlainNameFindsTheFileAndGivesItsFullPath)
{
    EXPECT_EQ(platform::FindFirstFile("b event.cwd"), std::optional<std::string>(Full("b event.cwd")));
    EXPECT_EQ(platform::FindFirstFile(Full("a.cwd")), std::optional<std::string>(Full("a.cwd")));
    EXPECT_EQ(platform::FindFirstFile("./a.cwd"), std::optional<std::string>(Full("a.cwd")));
}

TEST_F(FileSearchTest, QuotesAreNotRemovedSoAQuotedNameDoesNotMatch)
{
    EXPECT_EQ(platform::FindFirstFile("\"b event.cwd\""), std::nullopt);
    EXPECT_EQ(platform::FindFirstFile("\"" + Full("a.cwd") + "\""), std::nullopt);
}

TEST_F(FileSearchTest, MissingFilesFoldersAndEmptyNamesFindNothing)
{
    EXPECT_EQ(platform::FindFirstFile("missing.cwd"), std::nullopt);
    EXPECT_EQ(platform::FindFirstFile("folder.cwd"), std::nullopt);
    EXPECT_EQ(platform::FindFirstFile(""), std::nullopt);
    EXPECT_EQ(platform::FindFirstFile("b"), std::nullopt); // no prefix matching
}

TEST_F(FileSearchTest, WildcardsInTheLastPartGiveTheFirstMatchInNameOrder)
{
    EXPECT_EQ(platform::FindFirstFile("*.cwd"), std::optional<std::string>(Full("a.cwd")));
    EXPECT_EQ(platform::FindFirstFile("?.cwd"), std::optional<std::string>(Full("a.cwd")));
    EXPECT_EQ(platform::FindFirstFile("b*"), std::optional<std::string>(Full("b event.cwd")));
    EXPECT_EQ(platform::FindFirstFile("*.bmp"), std::nullopt);
}

} // namespace
