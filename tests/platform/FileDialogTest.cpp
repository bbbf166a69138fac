#include "platform/seams/FileDialog.h"

#include <gtest/gtest.h>

namespace {

class FileDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::SetFileDialogHandler([this](const FileDialogRequest& request) -> std::optional<std::string> {
            requests.push_back(request);
            return answer;
        });
    }
    void TearDown() override { platform::SetFileDialogHandler({}); }

    std::vector<FileDialogRequest> requests;
    std::optional<std::string> answer;
};

TEST(FileFilter, PairsOfNameAndPatternsUpToTheDoubleBar)
{
    const auto filters = ParseFileFilter("Event Files (*.cwd)|*.cwd|All Files (*.*)|*.*||Ignored|*.x|");
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(filters[0], (FileFilter{"Event Files (*.cwd)", {"*.cwd"}}));
    EXPECT_EQ(filters[1], (FileFilter{"All Files (*.*)", {"*.*"}}));
    EXPECT_EQ(ParseFileFilter("Pictures|*.bmp;*.dib"), (std::vector<FileFilter>{{"Pictures", {"*.bmp", "*.dib"}}}));
    EXPECT_TRUE(ParseFileFilter("Lonely name").empty());
    EXPECT_TRUE(ParseFileFilter("").empty());
}

TEST_F(FileDialogTest, SaveAddsTheDefaultExtensionOnlyToANameWithoutOne)
{
    CFileDialog save(false, "cwd", "Untitled Type 1 Decay", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                     "Event Files (*.cwd)|*.cwd||");
    answer = "/tmp/events/first";
    EXPECT_EQ(save.DoModal(), kFileDialogOk);
    EXPECT_EQ(save.GetPathName(), "/tmp/events/first.cwd");
    EXPECT_EQ(save.GetFileName(), "first.cwd");
    EXPECT_EQ(save.GetFileTitle(), "first");
    EXPECT_EQ(save.GetFileExt(), "cwd");
    answer = "/tmp/ev.ents/second.dat";
    EXPECT_EQ(save.DoModal(), kFileDialogOk);
    EXPECT_EQ(save.GetPathName(), "/tmp/ev.ents/second.dat");

    ASSERT_EQ(requests.size(), 2u);
    EXPECT_FALSE(requests[0].open);
    EXPECT_EQ(requests[0].initialName, "Untitled Type 1 Decay");
    EXPECT_EQ(requests[0].defaultExtension, "cwd");
    EXPECT_EQ(requests[0].flags & OFN_OVERWRITEPROMPT, OFN_OVERWRITEPROMPT);
    EXPECT_EQ(requests[0].filters.size(), 1u);
}

TEST_F(FileDialogTest, OpenKeepsTheNameAndCancelChoosesNothing)
{
    CFileDialog open(true, "cwd", "", OFN_FILEMUSTEXIST, "All Files (*.*)|*.*||");
    answer = "/data/old";
    EXPECT_EQ(open.DoModal(), kFileDialogOk);
    EXPECT_EQ(open.GetPathName(), "/data/old");
    EXPECT_EQ(open.GetFileExt(), "");
    answer = std::nullopt;
    EXPECT_EQ(open.DoModal(), kFileDialogCancel);
    EXPECT_TRUE(requests[0].open);
    EXPECT_EQ(requests[0].flags & OFN_FILEMUSTEXIST, OFN_FILEMUSTEXIST);
}

} // namespace
