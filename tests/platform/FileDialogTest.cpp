#include "platform/seams/FileDialog.h"

#include "platform/seams/MessageBox.h"
#include "platform/testing/RealFileDialog.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// The name gets the extension of the kind chosen in the list, else the default one.
TEST(FileDialogRequest, ChosenExtensionFollowsTheChosenFilter)
{
    FileDialogRequest request;
    request.filters = ParseFileFilter("Pictures (*.png)|*.png|Pages (*.pdf)|*.pdf|Any|*.*|Two|*.a;*.b||");
    request.defaultExtension = "png";
    const std::pair<int, const char*> cases[] = {{0, "png"}, {1, "pdf"}, {2, "png"}, {3, "a"}, {9, "png"}, {-1, "png"}};
    for (const auto& [index, extension] : cases) {
        request.filterIndex = index;
        EXPECT_EQ(request.ChosenExtension(), extension) << index;
    }
    request.defaultExtension.clear();
    request.filterIndex = 1;
    EXPECT_EQ(request.ChosenExtension(), "");
}

// A name completed with the chosen kind's extension that names an existing file is replaced only
// after a "Yes"; "No" shows the dialog again with that name.
TEST_F(FileDialogTest, ReplacingACompletedNameIsAskedFirst)
{
    const std::string folder = ::testing::TempDir() + "file-dialog-replace";
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/page.pdf") << "old";
    std::vector<int> answers = {IDNO, IDYES};
    std::vector<MessageBoxRequest> asked;
    platform::SetMessageBoxHandler([&](const MessageBoxRequest& request) {
        asked.push_back(request);
        const int answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    });
    CFileDialog save(false, "png", "picture", OFN_OVERWRITEPROMPT, "Pictures (*.png)|*.png|Pages (*.pdf)|*.pdf||");
    save.request.title = "Export Picture";
    save.request.filterIndex = 1;
    answer = folder + "/page";
    EXPECT_EQ(save.DoModal(), kFileDialogOk);
    platform::SetMessageBoxHandler({});
    EXPECT_EQ(save.GetPathName(), folder + "/page.pdf");
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].text, "page.pdf already exists.\nDo you want to replace it?");
    EXPECT_EQ(asked[0].caption, "Export Picture");
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].initialName, "picture");
    EXPECT_EQ(requests[1].initialName, folder + "/page.pdf");
    EXPECT_EQ(save.request.initialName, "picture");

    answer = folder + "/fresh"; // nothing of that name: no question
    EXPECT_EQ(save.DoModal(), kFileDialogOk);
    EXPECT_EQ(save.GetPathName(), folder + "/fresh.pdf");
    EXPECT_EQ(asked.size(), 2u);
    std::filesystem::remove_all(folder);
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

// Ends the test program when the test it guards has not ended after limit, so that a hang fails.
class Watchdog {
public:
    Watchdog(std::chrono::seconds limit, const char* hang)
        : thread_([this, limit, hang] {
              std::unique_lock lock(mutex_);
              if (!ended_.wait_for(lock, limit, [this] { return done_; })) {
                  std::fprintf(stderr, "%s\n", hang);
                  std::abort();
              }
          })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        ended_.notify_one();
        thread_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable ended_;
    bool done_ = false;
    std::thread thread_;
};

// While it lives, breaking a lease this process holds does not end it.
struct LeaseBreaksIgnored {
    LeaseBreaksIgnored() : previous(std::signal(SIGIO, SIG_IGN)) {}
    ~LeaseBreaksIgnored() { std::signal(SIGIO, previous); }
    void (*previous)(int);
};

// A folder may hold files whose opening blocks for ever: a pipe without a writer, files of /proc,
// a file that another process holds a lease on. Here this process holds the lease, so an open
// would block for the lease-break time and break it.
TEST(RealFileDialog, ListsAFolderWithoutOpeningItsFiles)
{
    std::string folder = (std::filesystem::temp_directory_path() / "tracelume-dialog-XXXXXX").string();
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    std::ofstream(folder + "/notes") << "no name tells what this is";
    std::ofstream(folder + "/leased.cwd") << "W";
    ASSERT_EQ(mkfifo((folder + "/pipe").c_str(), 0600), 0);
    const LeaseBreaksIgnored ignored;
    const int leased = ::open((folder + "/leased.cwd").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(leased, 0);
    if (::fcntl(leased, F_SETLEASE, F_WRLCK) != 0) {
        ::close(leased);
        std::filesystem::remove_all(folder);
        GTEST_SKIP() << "no leases on this file system";
    }

    FileDialogRequest request;
    request.flags = OFN_FILEMUSTEXIST;
    std::vector<std::string> listed;
    {
        const Watchdog watchdog(std::chrono::seconds(20), "the file dialog hangs on a file of the folder it lists");
        listed = platform::simulate::ListInRealFileDialog(request, folder);
    }
    EXPECT_EQ(::fcntl(leased, F_GETLEASE), F_WRLCK) << "the dialog opened a file it lists";
    EXPECT_EQ(listed, (std::vector<std::string>{"leased.cwd", "notes"}));
    ::close(leased);
    std::filesystem::remove_all(folder);
}

} // namespace
