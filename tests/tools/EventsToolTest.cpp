#include "tools/events/EventsTool.h"

#include "eventfile/EventFileReader.h"
#include "eventfile/EventFileWriter.h"
#include "physics/Generators.h"

#include "tests/support/FileBytes.h"
#include "tests/support/TextLines.h"

#include <gtest/gtest.h>

#include <ctime>
#include <sstream>

namespace {

struct ToolRun {
    int exit = -1;
    std::string out;
    std::string err;
};

ToolRun RunTool(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    ToolRun run;
    run.exit = RunEventsTool(args, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

// The bytes Save As would write for each of count New Event commands from seed.
std::vector<std::vector<uint8_t>> ExpectedFiles(uint32_t seed, int type, int count, const ChamberData& conditions)
{
    DecayGenerator generator(seed);
    std::vector<std::vector<uint8_t>> files;
    for (int i = 0; i < count; ++i) {
        const auto event = generator.GenerateDecay(type, conditions);
        files.push_back(EncodeEventFile(conditions, PointsOf(event->Points())));
    }
    return files;
}

} // namespace

TEST(EventsTool, GeneratesSuccessiveEventsOfOneStreamAsSaveAsWrites)
{
    ScratchDir dir;
    const std::string out = dir.Path("new/sub");
    const ToolRun run = RunTool({"generate", "1", "--seed", "1234", "--count", "3", "--L", "2.5", "--B", "1.2",
                             "--T", "4", "-o", out});
    ASSERT_EQ(run.exit, kExitOk) << run.err;
    const ChamberData conditions(250.0, 1.2, 4.0);
    ASSERT_EQ(conditions.Scale(), 3.2);
    const auto expected = ExpectedFiles(1234, 1, 3, conditions);
    for (int i = 0; i < 3; ++i) {
        const std::string name = "new/sub/event-000" + std::to_string(i + 1) + ".cwd";
        EXPECT_EQ(dir.Read(name), expected[static_cast<std::size_t>(i)]) << name;
    }
    EXPECT_NE(expected[0], expected[1]) << "each event continues the stream";
    EXPECT_EQ(Lines(run.out).size(), 3u);
    EXPECT_FALSE(std::filesystem::exists(dir.Path("new/sub/event-0004.cwd")));
}

TEST(EventsTool, TruthIsWrittenBesideEachEventWhichStaysAsItWas)
{
    ScratchDir dir;
    ASSERT_EQ(RunTool({"generate", "1", "--seed", "99", "--count", "2", "--truth", "-o", dir.Root()}).exit, kExitOk);
    const ChamberData conditions(500.0, 0.8, 0.6);
    const auto expected = ExpectedFiles(99, 1, 2, conditions);
    for (int i = 0; i < 2; ++i) {
        const std::string name = "event-000" + std::to_string(i + 1);
        EXPECT_EQ(dir.Read(name + ".cwd"), expected[std::size_t(i)]);
        const std::vector<uint8_t> csv = dir.Read(name + ".csv");
        const std::vector<std::string> lines = Lines(std::string(csv.begin(), csv.end()));
        ASSERT_GE(lines.size(), 3u) << name;
        EXPECT_EQ(lines[0], "# Tracelume answer key: decay type 1, seed 99, event " + std::to_string(i + 1) +
                                "; B = 0.8 kG, T = 0.6 MeV, L = 5 m");
        EXPECT_EQ(lines[1].substr(0, 14), "particle,kind,");
        EXPECT_EQ(lines[2].substr(0, 8), "1,pi-,-1");
    }
}

TEST(EventsTool, DefaultSeedIsTheCalendarTime)
{
    ScratchDir dir;
    const uint32_t before = static_cast<uint32_t>(std::time(nullptr));
    ASSERT_EQ(RunTool({"generate", "2", "-o", dir.Root()}).exit, kExitOk);
    const uint32_t after = static_cast<uint32_t>(std::time(nullptr));
    const std::vector<uint8_t> written = dir.Read("event-0001.cwd");
    const ChamberData conditions(500.0, 0.8, 0.6);
    bool matched = false;
    for (uint32_t seed = before; seed <= after; ++seed)
        matched = matched || ExpectedFiles(seed, 2, 1, conditions)[0] == written;
    EXPECT_TRUE(matched);
}

TEST(EventsTool, ShowPrintsConditionsAndExactPoints)
{
    ScratchDir dir;
    ChamberData conditions(312.5, 0.1, 0.6);
    const std::vector<TrackPoint> points = {MakePoint(0.1, -1e-300, 400, kLightBlue),
                                            MakePoint(1.0 / 3.0, -0.0, 2.5, 99)};
    ASSERT_FALSE(SaveEventFile(dir.Path("e.cwd"), conditions, points).has_value());

    const ToolRun run = RunTool({"show", dir.Path("e.cwd"), "--points"});
    ASSERT_EQ(run.exit, kExitOk);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = Lines(run.out);
    const std::vector<std::string> expected = {"kind: W", "L (cm): 312.5", "B (kG): 0.1", "T (MeV): 0.6",
                                               "points: 2", "x,y,z,colour", "0.1,-1e-300,400,7",
                                               "0.3333333333333333,-0,2.5,99"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(std::strtod("0.3333333333333333", nullptr), 1.0 / 3.0);

    const ToolRun summary = RunTool({"show", dir.Path("e.cwd")});
    EXPECT_EQ(Lines(summary.out).size(), 5u);
}

TEST(EventsTool, ShowReadsKindP)
{
    ScratchDir dir;
    Bytes bytes;
    bytes.Byte('P').BigInt16(1);
    AppendPPoint(bytes, MakePoint(1, 2, 3, 0), 2);
    AppendPTrailer(bytes, 400, 0.5, 1.5);
    const ToolRun run = RunTool({"show", dir.Write("old.dat", bytes.data), "--points"});
    ASSERT_EQ(run.exit, kExitOk);
    const std::vector<std::string> expected = {"kind: P",      "L (cm): 400",  "B (kG): 0.5", "T (MeV): 1.5",
                                               "points: 1",    "x,y,z,colour", "1,2,3,7"};
    EXPECT_EQ(Lines(run.out), expected);
}

TEST(EventsTool, ShowOfAnUnreadableFilePrintsTheProgramsMessage)
{
    ScratchDir dir;
    std::vector<uint8_t> truncated = WFile({}, {MakePoint(1, 2, 3, kRed)});
    truncated.pop_back();
    const struct {
        std::vector<uint8_t> bytes;
        const char* message;
    } cases[] = {
        {{'X', 1, 2}, "Wrong File Type: Tracelume cannot read this file.\n"},
        {truncated, "opener: bombed 4: 14\n"},
        {{}, "opener: bombed 1: 14\n"},
        {{'P', 0xFF, 0xFF}, "opener: bombed on size: 6\n"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunTool({"show", dir.Write("bad.cwd", c.bytes)});
        EXPECT_EQ(run.exit, kExitFailure);
        EXPECT_EQ(run.err, c.message);
        EXPECT_EQ(run.out, "");
    }
    const ToolRun missing = RunTool({"show", dir.Path("absent.cwd")});
    EXPECT_EQ(missing.exit, kExitFailure);
    EXPECT_EQ(missing.err, "opener: open bomb: 2\n");
}

TEST(EventsTool, NegativeFieldIsShownAsStoredWithTheWarning)
{
    ScratchDir dir;
    const ToolRun run = RunTool({"show", dir.Write("neg.cwd", WFile({500, -0.8, 0.6, 1.6, 0}, {}))});
    EXPECT_EQ(run.exit, kExitOk);
    EXPECT_NE(run.out.find("B (kG): -0.8\n"), std::string::npos);
    EXPECT_EQ(run.err, "Negative B: The magnetic field for the event just opened was below zero, but will be shown "
                       "as positive.\n");
}

TEST(EventsTool, HelpVersionAndUsageErrors)
{
    const ToolRun help = RunTool({"--help"});
    EXPECT_EQ(help.exit, kExitOk);
    EXPECT_EQ(help.out, UsageText());
    EXPECT_EQ(Lines(help.out).front(),
              "usage: tracelume-events generate TYPE [--seed S] [--count K] [--B KG] [--T MEV] [--L M] [-o DIR] "
              "[--truth]");
    EXPECT_EQ(Lines(help.out).back(), "       tracelume-events --help | --version");

    const ToolRun version = RunTool({"--version"});
    EXPECT_EQ(version.exit, kExitOk);
    EXPECT_EQ(version.out, "tracelume-events 0.1.0\n");

    const ToolRun subHelp = RunTool({"show", "--help"});
    EXPECT_EQ(subHelp.exit, kExitOk);
    EXPECT_EQ(subHelp.out, UsageText());

    for (const auto& [args, reason] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{}, "missing command"},
             {{"explode"}, "unknown command: explode"},
             {{"--verbose"}, "unknown option: --verbose"},
             {{"generate", "7"}, "decay type must be 1 to 6: 7"},
             {{"show"}, "missing file"}}) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.exit, kExitUsage);
        EXPECT_EQ(run.err, "tracelume-events: " + reason + "\n" + UsageText());
        EXPECT_EQ(run.out, "");
    }
}

TEST(EventsTool, RenderIsListedOnlyWhenBuiltIn)
{
#ifdef TRACELUME_HAS_RENDER
    EXPECT_NE(UsageText().find("tracelume-events render FILE -o OUT.png [--view chamber|projector] [--plane xy|yz|xz] "
                               "[--zoom 1|2|3] [--scale 1|2|3|4]\n"),
              std::string::npos);
#else
    EXPECT_EQ(UsageText().find("render"), std::string::npos);
    EXPECT_EQ(RunTool({"render", "a.cwd", "-o", "a.png"}).exit, kExitUsage);
#endif
}

TEST(EventsTool, GenerateIntoAFileInsteadOfADirectoryFails)
{
    ScratchDir dir;
    const std::string file = dir.Write("plain", {'x'});
    const ToolRun run = RunTool({"generate", "3", "--seed", "1", "-o", file});
    EXPECT_EQ(run.exit, kExitFailure);
    EXPECT_NE(run.err.find("cannot create directory"), std::string::npos);
}
