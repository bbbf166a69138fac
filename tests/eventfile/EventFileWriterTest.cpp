#include "eventfile/EventFileWriter.h"

#include "eventfile/EventFileReader.h"

#include "tests/support/FileBytes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sys/stat.h>

namespace {

uint64_t Bits(double value) { return std::bit_cast<uint64_t>(value); }

double LittleDoubleAt(const std::vector<uint8_t>& bytes, std::size_t offset)
{
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | bytes[offset + i];
    return std::bit_cast<double>(bits);
}

int32_t LittleInt32At(const std::vector<uint8_t>& bytes, std::size_t offset)
{
    uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
        bits = (bits << 8) | bytes[offset + i];
    return static_cast<int32_t>(bits);
}

std::vector<TrackPoint> SamplePoints()
{
    std::vector<TrackPoint> points = {
        MakePoint(0.0, -400.0, 0.0, kRed),
        MakePoint(-0.0, 1e-310, 399.75, kLightBlue, std::bit_cast<double>(uint64_t{0x7FF4000000000123})),
        MakePoint(123.456, -78.9, 1e300, 42, -1.5),
    };
    points[1].w = 0.5;
    points[2].padding = -1;
    return points;
}

} // namespace

TEST(WFileWriting, LayoutOffsetsOfConditionsCountAndFirstPoint)
{
    ChamberData conditions(250.0, -1.25, 3.5);
    const std::vector<TrackPoint> points = SamplePoints();
    const std::vector<uint8_t> bytes = EncodeEventFile(conditions, points);
    ASSERT_EQ(bytes.size(), 53u + 48u * points.size());
    EXPECT_EQ(bytes[0], 'W');
    for (std::size_t offset : {1, 2, 3, 4, 5, 6, 7, 8, 45, 46, 47, 48})
        EXPECT_EQ(bytes[offset], 0) << "not-significant byte " << offset;
    EXPECT_EQ(LittleDoubleAt(bytes, 9), 250.0);
    EXPECT_EQ(LittleDoubleAt(bytes, 17), -1.25);
    EXPECT_EQ(LittleDoubleAt(bytes, 25), 3.5);
    EXPECT_EQ(LittleDoubleAt(bytes, 33), 3.2);
    EXPECT_EQ(LittleInt32At(bytes, 41), 0);
    EXPECT_EQ(LittleInt32At(bytes, 49), 3);
    EXPECT_EQ(LittleDoubleAt(bytes, 53), 0.0);
    EXPECT_EQ(LittleDoubleAt(bytes, 61), -400.0);
    EXPECT_EQ(LittleDoubleAt(bytes, 53 + 24), 1.0);
    EXPECT_EQ(LittleInt32At(bytes, 53 + 40), kRed);
    EXPECT_EQ(LittleDoubleAt(bytes, 53 + 48 + 24), 0.5);
    EXPECT_EQ(Bits(LittleDoubleAt(bytes, 53 + 48 + 32)), uint64_t{0x7FF4000000000123});
    EXPECT_EQ(LittleInt32At(bytes, 53 + 96 + 40), 42);
    EXPECT_EQ(LittleInt32At(bytes, 53 + 96 + 44), 0) << "padding is written as 0";
}

TEST(WFileWriting, MatchesTheFileBuiltByteByByte)
{
    ChamberData conditions(500.0, 0.8, 0.6);
    std::vector<TrackPoint> points = SamplePoints();
    const std::vector<uint8_t> expected = WFile({500.0, 0.8, 0.6, 1.6, 0}, points);
    EXPECT_EQ(EncodeEventFile(conditions, points), expected);
}

TEST(WFileWriting, ChangedFlagIsTheConditionsImage)
{
    ChamberData conditions(500.0, 0.8, 0.6);
    EXPECT_EQ(LittleInt32At(EncodeEventFile(conditions, {}), 41), 0);
    conditions.MarkChanged();
    const std::vector<uint8_t> bytes = EncodeEventFile(conditions, {});
    EXPECT_EQ(bytes.size(), 53u);
    EXPECT_EQ(LittleInt32At(bytes, 41), 1);
}

TEST(WFileWriting, SavedFileReadsBackBitForBit)
{
    ScratchDir dir;
    ChamberData conditions(312.5, -0.35, 12.0);
    conditions.SetStoredValues(312.5, -0.35, 12.0, 2.5000000000000004);
    const std::vector<TrackPoint> points = SamplePoints();
    ASSERT_FALSE(SaveEventFile(dir.Path("round.cwd"), conditions, points).has_value());

    const ReadOutcome outcome = LoadEventFile(dir.Path("round.cwd"));
    ASSERT_TRUE(outcome.Ok());
    EXPECT_EQ(Bits(outcome.event->conditions.L()), Bits(312.5));
    EXPECT_EQ(Bits(outcome.event->conditions.B()), Bits(-0.35));
    EXPECT_EQ(Bits(outcome.event->conditions.T()), Bits(12.0));
    EXPECT_EQ(Bits(outcome.event->conditions.Scale()), Bits(2.5000000000000004));
    ASSERT_EQ(outcome.event->points.size(), points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        TrackPoint expected = points[i];
        expected.padding = 0;
        EXPECT_EQ(std::memcmp(&expected, &outcome.event->points[i], sizeof(TrackPoint)), 0) << "point " << i;
    }
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"round.cwd"}) << "no temporary file is left";
}

TEST(WFileWriting, ChamberEventPointsSaveThroughPointsOf)
{
    ScratchDir dir;
    ChamberData conditions(500.0, 0.8, 0.6);
    ChamberEvent event(&conditions);
    event.Points().Append(MakePoint(1, 2, 3, kGreen));
    ASSERT_FALSE(SaveEventFile(dir.Path("e.cwd"), conditions, PointsOf(event.Points())).has_value());
    EXPECT_EQ(dir.Read("e.cwd").size(), 53u + 48u);
}

TEST(WFileWriting, SavingOverAnExistingFileReplacesItAndKeepsItsPermissions)
{
    ScratchDir dir;
    const std::string path = dir.Write("old.cwd", {'o', 'l', 'd'});
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ChamberData conditions(500.0, 0.8, 0.6);
    ASSERT_FALSE(SaveEventFile(path, conditions, SamplePoints()).has_value());
    EXPECT_EQ(dir.Read("old.cwd"), EncodeEventFile(conditions, SamplePoints()));
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

// A real replacing file whose writes start failing with a full disk at a given write.
class FillingDisk final : public ReplacingFile {
public:
    FillingDisk(const std::string& path, int failingWrite) : ReplacingFile(path), failingWrite_(failingWrite) {}
    FileCause Write(std::span<const uint8_t> bytes) override
    {
        if (++writes_ >= failingWrite_)
            return FileCause::DiskFull;
        return ReplacingFile::Write(bytes);
    }

private:
    int failingWrite_;
    int writes_ = 0;
};

TEST(WFileWriting, FailedWriteLeavesTheOldFileAndNoTemporary)
{
    for (int failingWrite = 1; failingWrite <= 3; ++failingWrite) {
        ScratchDir dir;
        const std::vector<uint8_t> old = WFile({}, {MakePoint(1, 1, 1, kRed)});
        const std::string path = dir.Write("keep.cwd", old);
        FillingDisk target(path, failingWrite);
        const auto failure = SaveEvent(target, ChamberData(500, 0.8, 0.6), SamplePoints());
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->stage, WriteStage::Write);
        EXPECT_EQ(failure->cause, FileCause::DiskFull);
        EXPECT_EQ(SaveFailureMessage(*failure).text, "write error: 13");
        EXPECT_EQ(dir.Read("keep.cwd"), old) << "failing write " << failingWrite;
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"keep.cwd"});
    }
}

// A decay that left no dots in the chamber is still an event to save.
TEST(WFileWriting, AnEventWithoutPointsSavesAsItsHeadAlone)
{
    ScratchDir dir;
    ASSERT_FALSE(SaveEventFile(dir.Path("empty.cwd"), ChamberData(500, 0.8, 0.6), {}).has_value());
    EXPECT_EQ(dir.Read("empty.cwd"), EncodeWHeader(ChamberData(500, 0.8, 0.6), 0));
}

// Replacing the link itself would leave the file it names unsaved and the link gone.
TEST(WFileWriting, SavingThroughASymbolicLinkReplacesTheFileItNames)
{
    ScratchDir dir;
    std::filesystem::create_directory(dir.Path("events"));
    dir.Write("events/real.cwd", WFile({}, {}));
    std::filesystem::create_symlink("events/real.cwd", dir.Path("link.cwd"));
    ASSERT_FALSE(SaveEventFile(dir.Path("link.cwd"), ChamberData(500, 0.8, 0.6), SamplePoints()).has_value());
    EXPECT_TRUE(std::filesystem::is_symlink(dir.Path("link.cwd")));
    EXPECT_EQ(dir.Read("events/real.cwd"), EncodeEventFile(ChamberData(500, 0.8, 0.6), SamplePoints()));
    EXPECT_EQ(dir.Names().size(), 2u);
}

TEST(WFileWriting, MissingDirectoryFailsAtOpenAndCreatesNothing)
{
    ScratchDir dir;
    const auto failure = SaveEventFile(dir.Path("nowhere/e.cwd"), ChamberData(500, 0.8, 0.6), {});
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->stage, WriteStage::Open);
    EXPECT_EQ(failure->cause, FileCause::FileNotFound);
    EXPECT_EQ(SaveFailureMessage(*failure).text, "open error: 2");
    EXPECT_TRUE(dir.Names().empty());
}

TEST(WFileWriting, DirectoryTargetFailsAtOpenAndStays)
{
    ScratchDir dir;
    std::filesystem::create_directory(dir.Path("folder.cwd"));
    const auto failure = SaveEventFile(dir.Path("folder.cwd"), ChamberData(500, 0.8, 0.6), {});
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->stage, WriteStage::Open);
    EXPECT_EQ(failure->cause, FileCause::BadPath);
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path("folder.cwd")));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"folder.cwd"});
}

TEST(WFileWriting, ReadOnlyTargetFailsAtOpenAndStays)
{
    ScratchDir dir;
    const std::string path = dir.Write("ro.cwd", {'r', 'o'});
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    if (std::FILE* probe = std::fopen(path.c_str(), "r+b")) {
        std::fclose(probe);
        GTEST_SKIP() << "this user can write files without write permission";
    }
    const auto failure = SaveEventFile(path, ChamberData(500, 0.8, 0.6), {});
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->stage, WriteStage::Open);
    EXPECT_EQ(failure->cause, FileCause::AccessDenied);
    EXPECT_EQ(dir.Read("ro.cwd"), (std::vector<uint8_t>{'r', 'o'}));
}

// Records what the saver asks of its target and fails one chosen step.
class ScriptedTarget final : public SaveTarget {
public:
    enum Step { None, OpenStep, WriteStep, CommitStep };
    explicit ScriptedTarget(Step failing) : failing_(failing) {}
    FileCause Open() override { return failing_ == OpenStep ? FileCause::TooManyOpenFiles : FileCause::None; }
    FileCause Write(std::span<const uint8_t> bytes) override
    {
        if (failing_ == WriteStep)
            return FileCause::HardIO;
        written.insert(written.end(), bytes.begin(), bytes.end());
        return FileCause::None;
    }
    FileCause Commit() override { return failing_ == CommitStep ? FileCause::DiskFull : FileCause::None; }
    void Abandon() override { ++abandoned; }

    std::vector<uint8_t> written;
    int abandoned = 0;

private:
    Step failing_;
};

TEST(SaveStages, EachFailingStepHasItsStageAndIsAbandoned)
{
    const ChamberData conditions(500, 0.8, 0.6);
    struct Case {
        ScriptedTarget::Step step;
        WriteStage stage;
        const char* text;
        const char* caption;
    };
    for (const Case& c : {Case{ScriptedTarget::OpenStep, WriteStage::Open, "open error: 4", "File Save Error"},
                          Case{ScriptedTarget::WriteStep, WriteStage::Write, "write error: 10", "File Write Error"},
                          Case{ScriptedTarget::CommitStep, WriteStage::Close, "close error: 13", "File Close Error"}}) {
        ScriptedTarget target(c.step);
        const auto failure = SaveEvent(target, conditions, SamplePoints());
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->stage, c.stage);
        EXPECT_EQ(SaveFailureMessage(*failure).text, c.text);
        EXPECT_EQ(SaveFailureMessage(*failure).caption, c.caption);
        EXPECT_EQ(target.abandoned, 1);
    }
    ScriptedTarget good(ScriptedTarget::None);
    EXPECT_FALSE(SaveEvent(good, conditions, SamplePoints()).has_value());
    EXPECT_EQ(good.abandoned, 0);
    EXPECT_EQ(good.written, EncodeEventFile(conditions, SamplePoints()));
}
