#include "TestCommandsSupport.h"

#include "eventfile/EventFileReader.h"
#include "shell/StartupOptions.h"
#include "tests/support/FileBytes.h"
#include "tools/events/EventsTool.h"

#include <sstream>

namespace {

struct Reading {
    const char* commandLine;
    std::optional<uint32_t> seed;
    const char* fileName;
    bool help = false;
    bool version = false;
    bool error = false;
};

void PrintTo(const Reading& r, std::ostream* out) { *out << '"' << r.commandLine << '"'; }

class CommandLineReading : public ::testing::TestWithParam<Reading> {};

// Files that exist for the reading: a file may carry an option's name.
bool Exists(const std::string& name) { return name == "--seed 5" || name == "--help" || name == "a.cwd"; }

TEST_P(CommandLineReading, WholeTextNamesAFileBeforeAnyOptionCounts)
{
    const Reading& r = GetParam();
    const StartupOptions options = ParseStartupOptions(r.commandLine, Exists);
    EXPECT_EQ(options.seed, r.seed);
    EXPECT_EQ(options.fileName, r.fileName);
    EXPECT_EQ(options.help, r.help);
    EXPECT_EQ(options.version, r.version);
    EXPECT_EQ(!options.error.empty(), r.error);
}

INSTANTIATE_TEST_SUITE_P(
    Options, CommandLineReading,
    ::testing::Values(Reading{"", std::nullopt, ""}, Reading{"a.cwd", std::nullopt, "a.cwd"},
                      Reading{"--seed 7", 7u, ""}, Reading{"--seed 4294967295 a.cwd", 4294967295u, "a.cwd"},
                      Reading{"--seed 5", std::nullopt, "--seed 5"}, // a file of that name exists
                      Reading{"--seed 7 two words.cwd", 7u, "two words.cwd"},
                      Reading{"--seed 4294967296", std::nullopt, "", false, false, true},
                      Reading{"--seed -1", std::nullopt, "", false, false, true},
                      Reading{"--seed", std::nullopt, "", false, false, true},
                      Reading{"--seedling.cwd", std::nullopt, "--seedling.cwd"},
                      Reading{"--help", std::nullopt, "--help"}, // a file of that name exists
                      Reading{"--version", std::nullopt, "", false, true},
                      Reading{"\"--version\"", std::nullopt, "\"--version\""}));

class SameSeed : public CommandTest {};

// A class given one seed sees the same events as the files the tool makes with it, in order.
TEST_F(SameSeed, ProgramAndToolMakeTheSameEventsInTheSameOrder)
{
    // The tool first: both draw from the one random source of this process.
    ScratchDir dir;
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunEventsTool({"generate", "3", "--seed", "4242", "--count", "3", "-o", dir.Root()}, out, err), 0)
        << err.str();
    ASSERT_TRUE(Start(Screen(768), {"--seed", "4242"}));
    Frame().SelectDecay(cmd::kDecay3);
    for (int n = 1; n <= 3; ++n) {
        Frame().NewEvent();
        const ReadOutcome file = LoadEventFile(dir.Path("event-000" + std::to_string(n) + ".cwd"));
        ASSERT_TRUE(file.Ok());
        const PointList& shown = State().event->Points();
        ASSERT_EQ(std::size_t(shown.Count()), file.event->points.size()) << "event " << n;
        for (int i = 0; i < shown.Count(); ++i) {
            ASSERT_EQ(std::bit_cast<uint64_t>(shown[i].x), std::bit_cast<uint64_t>(file.event->points[i].x));
            ASSERT_EQ(std::bit_cast<uint64_t>(shown[i].z), std::bit_cast<uint64_t>(file.event->points[i].z));
        }
    }
}

} // namespace
