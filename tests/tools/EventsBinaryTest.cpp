// Runs the built tracelume-events program for its exit codes and streams.

#include "tests/support/FileBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sys/wait.h>

namespace {

struct ProcessRun {
    int exit = -1;
    std::string out;
    std::string err;
};

std::string Quoted(const std::string& arg)
{
    std::string quoted = "'";
    for (char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string ReadText(const ScratchDir& dir, const std::string& name)
{
    const std::vector<uint8_t> bytes = dir.Read(name);
    return {bytes.begin(), bytes.end()};
}

ProcessRun RunProgram(const ScratchDir& dir, const std::vector<std::string>& args)
{
    std::string command = Quoted(TRACELUME_EVENTS_BINARY);
    for (const std::string& arg : args)
        command += " " + Quoted(arg);
    command += " >" + Quoted(dir.Path("stdout")) + " 2>" + Quoted(dir.Path("stderr")) + " </dev/null";
    const int status = std::system(command.c_str());
    ProcessRun run;
    run.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadText(dir, "stdout");
    run.err = ReadText(dir, "stderr");
    return run;
}

} // namespace

TEST(EventsProgram, HelpAndVersionExitZero)
{
    ScratchDir dir;
    const ProcessRun help = RunProgram(dir, {"--help"});
    EXPECT_EQ(help.exit, 0);
    EXPECT_EQ(help.out.rfind("usage: tracelume-events generate TYPE", 0), 0u);
    const ProcessRun version = RunProgram(dir, {"--version"});
    EXPECT_EQ(version.exit, 0);
    EXPECT_EQ(version.out, "tracelume-events 0.1.0\n");
}

TEST(EventsProgram, BadArgumentsExitTwoWithReasonAndUsage)
{
    ScratchDir dir;
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"generate", "0"}, {"generate", "1", "--count", "0"}, {"generate", "1", "--T", "0"},
             {"generate", "1", "--L", "abc"}, {"generate", "1", "--L", "1.8e306"}, {"generate", "1", "--seed"},
             {"show", "a", "--all"},
#ifdef TRACELUME_HAS_RENDER
             {"render", "a.cwd", "-o", "a.png", "--scale", "5"}, {"render", "a.cwd", "-o", "a.png", "--view", "top"},
#endif
         }) {
        const ProcessRun run = RunProgram(dir, args);
        EXPECT_EQ(run.exit, 2);
        EXPECT_EQ(run.err.rfind("tracelume-events: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find("usage: tracelume-events"), std::string::npos);
        EXPECT_EQ(run.out, "");
    }
}

TEST(EventsProgram, GeneratedFilesShowBack)
{
    ScratchDir dir;
    const ProcessRun generate = RunProgram(dir, {"generate", "6", "--seed", "99", "--count", "2", "-o", dir.Path("ev")});
    ASSERT_EQ(generate.exit, 0) << generate.err;
    EXPECT_EQ(generate.out, dir.Path("ev") + "/event-0001.cwd\n" + dir.Path("ev") + "/event-0002.cwd\n");

    const ProcessRun show = RunProgram(dir, {"show", dir.Path("ev/event-0002.cwd"), "--points"});
    ASSERT_EQ(show.exit, 0) << show.err;
    EXPECT_EQ(show.out.rfind("kind: W\nL (cm): 500\nB (kG): 0.8\nT (MeV): 0.6\npoints: ", 0), 0u) << show.out;
    EXPECT_EQ(ReadText(dir, "ev/event-0002.cwd").size(), 53u + 48u * (std::count(show.out.begin(), show.out.end(), '\n') - 6));
}

TEST(EventsProgram, UnreadableFileExitsOneWithTheMessage)
{
    ScratchDir dir;
    const ProcessRun run = RunProgram(dir, {"show", dir.Write("x.cwd", {'X'})});
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.err, "Wrong File Type: Tracelume cannot read this file.\n");
}

