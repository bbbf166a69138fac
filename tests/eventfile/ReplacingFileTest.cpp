#include "eventfile/ReplacingFile.h"

#include "eventfile/EventFileWriter.h"

#include "tests/support/FileBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>

#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const ChamberData kConditions(500, 0.8, 0.6);

// Whether the folder's file system gives unnamed files to the save.
enum class Temporaries { Unnamed, NamedOnly };

// How a save is stopped at its third write (the points).
enum class Stop { Never, DiskFull, ProcessKilled };

// A replacing file on a file system with or without unnamed files, stopped as told: a write
// that fails with a full disk, or a process that tells readyPipe it is writing and waits to be
// killed.
class TestFile final : public ReplacingFile {
public:
    TestFile(const std::string& path, Temporaries temporaries, Stop stop = Stop::Never, int readyPipe = -1)
        : ReplacingFile(path), temporaries_(temporaries), stop_(stop), readyPipe_(readyPipe)
    {
    }
    FileCause Write(std::span<const uint8_t> bytes) override
    {
        if (++writes_ == 3 && stop_ == Stop::DiskFull)
            return FileCause::DiskFull;
        if (writes_ == 3 && stop_ == Stop::ProcessKilled) {
            [[maybe_unused]] const ssize_t told = ::write(readyPipe_, "w", 1);
            for (;;)
                ::pause();
        }
        return ReplacingFile::Write(bytes);
    }

protected:
    int OpenUnnamedIn(const std::string& folder) override
    {
        if (temporaries_ == Temporaries::Unnamed)
            return ReplacingFile::OpenUnnamedIn(folder);
        errno = EOPNOTSUPP;
        return -1;
    }

private:
    Temporaries temporaries_;
    Stop stop_;
    int readyPipe_;
    int writes_ = 0;
};

std::vector<TrackPoint> SomePoints() { return std::vector<TrackPoint>(1000, MakePoint(1, 2, 3, kGreen)); }

// Saves in a child process that is killed while it writes the points.
void SaveKilledWhileWriting(const std::string& path, Temporaries temporaries)
{
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(ready[0]);
        TestFile target(path, temporaries, Stop::ProcessKilled, ready[1]);
        SaveEvent(target, kConditions, SomePoints());
        ::_exit(1);
    }
    ::close(ready[1]);
    char told = 0;
    EXPECT_EQ(::read(ready[0], &told, 1), 1) << "the child did not reach the points";
    ::close(ready[0]);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status));
}

std::vector<std::string> Sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReplacingFile, ASaveThatFailsOrIsKilledMidwayLeavesTheOldFileAloneOnceTheNextSaveIsDone)
{
    for (Temporaries temporaries : {Temporaries::Unnamed, Temporaries::NamedOnly}) {
        for (Stop stop : {Stop::DiskFull, Stop::ProcessKilled}) {
            SCOPED_TRACE(testing::Message() << "named only " << (temporaries == Temporaries::NamedOnly)
                                            << ", killed " << (stop == Stop::ProcessKilled));
            ScratchDir dir;
            const std::vector<uint8_t> old = WFile({}, {MakePoint(1, 1, 1, kRed)});
            const std::string path = dir.Write("keep.cwd", old);
            if (stop == Stop::DiskFull) {
                TestFile target(path, temporaries, stop);
                const auto failure = SaveEvent(target, kConditions, SomePoints());
                ASSERT_TRUE(failure.has_value());
                EXPECT_EQ(SaveFailureMessage(*failure).text, "write error: 13");
            } else {
                SaveKilledWhileWriting(path, temporaries);
            }
            EXPECT_EQ(dir.Read("keep.cwd"), old);
            if (stop == Stop::DiskFull || temporaries == Temporaries::Unnamed) {
                EXPECT_EQ(dir.Names(), std::vector<std::string>{"keep.cwd"});
            }

            // What a killed save left without unnamed files goes with the next save there.
            TestFile next(dir.Path("next.cwd"), temporaries);
            ASSERT_FALSE(SaveEvent(next, kConditions, SomePoints()).has_value());
            EXPECT_EQ(Sorted(dir.Names()), (std::vector<std::string>{"keep.cwd", "next.cwd"}));
        }
    }
}

// A leftover is a file of the temporaries' own pattern that no save holds.
TEST(ReplacingFile, ASaveRemovesOnlyTheTemporariesOfSavesThatDied)
{
    ScratchDir dir;
    const std::string dead = ".tracelume-save-0123456789ab";
    dir.Write(dead, {1, 2, 3});
    const std::vector<std::string> others = {".tracelume-save-0123456789AB", ".tracelume-save-0123456789a",
                                             ".tracelume-save-0123456789abc", "e.cwd.tmp-0123abcd"};
    for (const std::string& name : others)
        dir.Write(name, {4});
    std::filesystem::create_directory(dir.Path(".tracelume-save-00000000000d"));
    std::filesystem::create_symlink(dir.Path(others[0]), dir.Path(".tracelume-save-00000000000e"));

    TestFile living(dir.Path("living.cwd"), Temporaries::NamedOnly);
    ASSERT_EQ(living.Open(), FileCause::None);
    ASSERT_FALSE(SaveEventFile(dir.Path("e.cwd"), kConditions, SomePoints()).has_value());

    std::vector<std::string> expected = others;
    for (std::string name : {"e.cwd", ".tracelume-save-00000000000d", ".tracelume-save-00000000000e"})
        expected.push_back(name);
    expected.push_back(std::filesystem::path(living.TemporaryPath()).filename().string());
    EXPECT_EQ(Sorted(dir.Names()), Sorted(expected));
    EXPECT_EQ(living.Write(std::vector<uint8_t>{'W'}), FileCause::None);
    EXPECT_EQ(living.Commit(), FileCause::None);
    EXPECT_EQ(dir.Read("living.cwd"), std::vector<uint8_t>{'W'});
}

// The file system's limit on a name is the only limit: the temporary's name is short.
TEST(ReplacingFile, EveryNameTheFileSystemTakesSavesAndTheFirstTooLongFailsAtOpen)
{
    for (Temporaries temporaries : {Temporaries::Unnamed, Temporaries::NamedOnly}) {
        ScratchDir dir;
        const long limit = ::pathconf(dir.Root().c_str(), _PC_NAME_MAX);
        if (limit < 16 || limit > 4096)
            GTEST_SKIP() << "no usable limit on names here";
        const std::string longest = std::string(size_t(limit) - 4, 'n') + ".cwd";
        TestFile target(dir.Path(longest), temporaries);
        EXPECT_FALSE(SaveEvent(target, kConditions, SomePoints()).has_value()) << longest.size() << " bytes";
        EXPECT_EQ(dir.Read(longest), EncodeEventFile(kConditions, SomePoints()));

        TestFile tooLong(dir.Path("n" + longest), temporaries);
        const auto failure = SaveEvent(tooLong, kConditions, SomePoints());
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(SaveFailureMessage(*failure).text, "open error: 3");
        EXPECT_EQ(dir.Names(), std::vector<std::string>{longest});
    }
}

} // namespace
