#include "eventfile/EventFileReader.h"

#include "tests/support/FileBytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

uint64_t Bits(double value) { return std::bit_cast<uint64_t>(value); }

void ExpectSamePoint(const TrackPoint& expected, const TrackPoint& actual)
{
    EXPECT_EQ(Bits(expected.x), Bits(actual.x));
    EXPECT_EQ(Bits(expected.y), Bits(actual.y));
    EXPECT_EQ(Bits(expected.z), Bits(actual.z));
    EXPECT_EQ(Bits(expected.w), Bits(actual.w));
    EXPECT_EQ(Bits(expected.spare), Bits(actual.spare));
    EXPECT_EQ(expected.colour, actual.colour);
}

const double kNaNSpare = std::bit_cast<double>(uint64_t{0x7FF8DEADBEEF0001});

} // namespace

TEST(WFileReading, EmptyEventIs53BytesWithConditionsAsStored)
{
    // The scale is taken as stored, not derived from L; the changed flag is ignored.
    const std::vector<uint8_t> file = WFile({250.0, -1.5, 2.25, 1.25, 1}, {});
    ASSERT_EQ(file.size(), 53u);
    const ReadOutcome outcome = ParseEventBytes(file);
    ASSERT_TRUE(outcome.Ok());
    EXPECT_EQ(outcome.event->kind, FileKind::W);
    EXPECT_EQ(outcome.event->conditions.L(), 250.0);
    EXPECT_EQ(outcome.event->conditions.B(), -1.5);
    EXPECT_EQ(outcome.event->conditions.T(), 2.25);
    EXPECT_EQ(outcome.event->conditions.Scale(), 1.25);
    EXPECT_EQ(outcome.event->conditions.Changed(), 0);
    EXPECT_TRUE(outcome.event->points.empty());
}

TEST(WFileReading, PointsKeepEveryBitOfCoordinatesSpareAndColour)
{
    const std::vector<TrackPoint> points = {
        MakePoint(-0.0, 400.0, -399.999999, kRed, kNaNSpare),
        MakePoint(1e-310, -1e300, 3.5, 0),
        MakePoint(12.5, -7.25, 0.125, 99, -2.0),
    };
    const ReadOutcome outcome = ParseEventBytes(WFile({}, points));
    ASSERT_TRUE(outcome.Ok());
    ASSERT_EQ(outcome.event->points.size(), points.size());
    for (std::size_t i = 0; i < points.size(); ++i)
        ExpectSamePoint(points[i], outcome.event->points[i]);
}

TEST(WFileReading, PaddingWordIsNotCarried)
{
    Bytes bytes = WHeader({}, 1);
    bytes.LittleDouble(1).LittleDouble(2).LittleDouble(3).LittleDouble(1).LittleDouble(0);
    bytes.LittleInt32(kGreen).LittleInt32(-1);
    const ReadOutcome outcome = ParseEventBytes(bytes.data);
    ASSERT_TRUE(outcome.Ok());
    EXPECT_EQ(outcome.event->points[0].colour, kGreen);
    EXPECT_EQ(outcome.event->points[0].padding, 0);
}

TEST(WFileReading, NegativeFieldIsReportedAndLeftForTheCallerToFlip)
{
    const ReadOutcome negative = ParseEventBytes(WFile({500, -0.8, 0.6, 1.6, 0}, {}));
    ASSERT_TRUE(negative.Ok());
    EXPECT_TRUE(negative.event->HasNegativeField());
    EXPECT_EQ(negative.event->conditions.B(), -0.8);

    const ReadOutcome zero = ParseEventBytes(WFile({500, 0.0, 0.6, 1.6, 0}, {}));
    ASSERT_TRUE(zero.Ok());
    EXPECT_FALSE(zero.event->HasNegativeField());
}

TEST(PFileReading, EmptyEventIs75BytesWithScaleFromL)
{
    Bytes bytes;
    bytes.Byte('P').BigInt16(0);
    AppendPTrailer(bytes, 250.0, 1.75, 3.5);
    ASSERT_EQ(bytes.data.size(), 75u);
    const ReadOutcome outcome = ParseEventBytes(bytes.data);
    ASSERT_TRUE(outcome.Ok());
    EXPECT_EQ(outcome.event->kind, FileKind::P);
    EXPECT_EQ(outcome.event->conditions.L(), 250.0);
    EXPECT_EQ(outcome.event->conditions.B(), 1.75);
    EXPECT_EQ(outcome.event->conditions.T(), 3.5);
    EXPECT_EQ(outcome.event->conditions.Scale(), 800.0 / 250.0);
    EXPECT_TRUE(outcome.event->points.empty());
}

TEST(PFileReading, BigEndianPointsWithColourTwoReadAsSeven)
{
    const std::vector<int16_t> storedColours = {2, 3, 7, 6, 9, -1};
    const std::vector<int32_t> readColours = {7, 3, 7, 6, 9, -1};
    Bytes bytes;
    bytes.Byte('P').BigInt16(static_cast<int16_t>(storedColours.size()));
    for (std::size_t i = 0; i < storedColours.size(); ++i)
        AppendPPoint(bytes, MakePoint(10.0 * i, -20.5, 0.25 + i, 0, kNaNSpare), storedColours[i]);
    AppendPTrailer(bytes, 500.0, -0.8, 0.6);
    ASSERT_EQ(bytes.data.size(), 75u + 48u * storedColours.size());

    const ReadOutcome outcome = ParseEventBytes(bytes.data);
    ASSERT_TRUE(outcome.Ok());
    ASSERT_EQ(outcome.event->points.size(), storedColours.size());
    for (std::size_t i = 0; i < storedColours.size(); ++i) {
        ExpectSamePoint(MakePoint(10.0 * i, -20.5, 0.25 + i, readColours[i], kNaNSpare), outcome.event->points[i]);
        EXPECT_EQ(HasPointColour(outcome.event->points[i].colour), readColours[i] >= 3 && readColours[i] <= 7);
    }
    EXPECT_EQ(outcome.event->conditions.Scale(), 1.6);
    EXPECT_TRUE(outcome.event->HasNegativeField());
}

// One malformed file and what the reader must say about it.
struct Malformed {
    const char* name;
    std::vector<uint8_t> bytes;
    ReadStage stage;
    FileCause cause;
    const char* text;
};

void PrintTo(const Malformed& m, std::ostream* out) { *out << m.name; }

class MalformedFile : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedFile, IsRejectedAtItsStageWithItsMessage)
{
    const Malformed& m = GetParam();
    const ReadOutcome outcome = ParseEventBytes(m.bytes);
    ASSERT_FALSE(outcome.Ok());
    EXPECT_EQ(outcome.failure.stage, m.stage);
    EXPECT_EQ(outcome.failure.cause, m.cause);
    EXPECT_EQ(ReadFailureMessage(outcome.failure, OpenOrigin::Menu).text, m.text);
}

std::vector<uint8_t> Truncated(std::vector<uint8_t> bytes, std::size_t size)
{
    bytes.resize(size);
    return bytes;
}

std::vector<uint8_t> WithCount(int32_t count, std::size_t pointBytes)
{
    Bytes bytes = WHeader({}, count);
    bytes.Zeros(pointBytes);
    return bytes.data;
}

std::vector<uint8_t> PWithCount(int16_t count, std::size_t bytesAfter)
{
    Bytes bytes;
    bytes.Byte('P').BigInt16(count).Zeros(bytesAfter);
    return bytes.data;
}

std::vector<uint8_t> PWithTrailer(double lengthCm, double fieldKG, double energyMeV)
{
    Bytes bytes;
    bytes.Byte('P').BigInt16(0);
    AppendPTrailer(bytes, lengthCm, fieldKG, energyMeV);
    return bytes.data;
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

std::vector<uint8_t> WWithPoint(const TrackPoint& point) { return WFile({}, {point}); }

const std::vector<uint8_t> kOnePointW = WFile({}, {MakePoint(1, 2, 3, kRed)});
const std::vector<uint8_t> kEmptyP = PWithTrailer(500, 0.8, 0.6);

INSTANTIATE_TEST_SUITE_P(
    KindByte, MalformedFile,
    ::testing::Values(Malformed{"empty", {}, ReadStage::KindByte, FileCause::EndOfFile, "bombed 1: 14"},
                      Malformed{"kindX", {'X'}, ReadStage::WrongKind, FileCause::None, "Tracelume cannot read this file."},
                      Malformed{"lowercaseW", {'w', 0, 0}, ReadStage::WrongKind, FileCause::None,
                                "Tracelume cannot read this file."}));

INSTANTIATE_TEST_SUITE_P(
    KindW, MalformedFile,
    ::testing::Values(
        Malformed{"kindByteOnly", {'W'}, ReadStage::WConditions, FileCause::EndOfFile, "bombed 2: 14"},
        Malformed{"conditionsShortByOne", Truncated(kOnePointW, 48), ReadStage::WConditions, FileCause::EndOfFile,
                  "bombed 2: 14"},
        Malformed{"countShortByOne", Truncated(kOnePointW, 52), ReadStage::WCount, FileCause::EndOfFile, "bombed 3: 14"},
        Malformed{"countMinusOne", WithCount(-1, 48), ReadStage::WCount, FileCause::InvalidFile, "bombed 3: 6"},
        Malformed{"countLowest", WithCount(INT32_MIN, 0), ReadStage::WCount, FileCause::InvalidFile, "bombed 3: 6"},
        Malformed{"countHighest", WithCount(INT32_MAX, 48), ReadStage::WCount, FileCause::InvalidFile, "bombed 3: 6"},
        Malformed{"countAboveTheLimit", WithCount(eventfile::kMaxEventPoints + 1, 48), ReadStage::WCount,
                  FileCause::InvalidFile, "bombed 3: 6"},
        Malformed{"trailingBytesAfterThePoints", WithCount(1, 48 + 7), ReadStage::WCount, FileCause::InvalidFile,
                  "bombed 3: 6"},
        Malformed{"countOneMoreThanPoints", WithCount(3, 2 * 48 + 47), ReadStage::WPoints, FileCause::EndOfFile,
                  "bombed 4: 14"},
        Malformed{"lastPointShortByOne", Truncated(kOnePointW, 53 + 47), ReadStage::WPoints, FileCause::EndOfFile,
                  "bombed 4: 14"},
        Malformed{"lengthZero", WFile({0.0, 0.8, 0.6, 1.6, 0}, {}), ReadStage::WConditions, FileCause::InvalidFile,
                  "bombed 2: 6"},
        Malformed{"lengthNegative", WFile({-500.0, 0.8, 0.6, 1.6, 0}, {}), ReadStage::WConditions,
                  FileCause::InvalidFile, "bombed 2: 6"},
        Malformed{"scaleInfinite", WFile({500.0, 0.8, 0.6, kInf, 0}, {}), ReadStage::WConditions,
                  FileCause::InvalidFile, "bombed 2: 6"},
        Malformed{"fieldNaN", WFile({500.0, kNaN, 0.6, 1.6, 0}, {}), ReadStage::WConditions, FileCause::InvalidFile,
                  "bombed 2: 6"},
        Malformed{"energyInfinite", WFile({500.0, 0.8, -kInf, 1.6, 0}, {}), ReadStage::WConditions,
                  FileCause::InvalidFile, "bombed 2: 6"},
        Malformed{"pointNaN", WWithPoint(MakePoint(kNaN, 0, 0, kRed)), ReadStage::WPoints, FileCause::InvalidFile,
                  "bombed 4: 6"},
        Malformed{"pointInfinite", WWithPoint(MakePoint(0, 0, kInf, kRed)), ReadStage::WPoints,
                  FileCause::InvalidFile, "bombed 4: 6"}));

INSTANTIATE_TEST_SUITE_P(
    KindP, MalformedFile,
    ::testing::Values(
        Malformed{"kindByteOnly", {'P'}, ReadStage::PCount, FileCause::EndOfFile, "bombed on size: 14"},
        Malformed{"countShortByOne", {'P', 0}, ReadStage::PCount, FileCause::EndOfFile, "bombed on size: 14"},
        Malformed{"countMinusOne", PWithCount(-1, 200), ReadStage::PCount, FileCause::InvalidFile,
                  "bombed on size: 6"},
        Malformed{"countLowest", PWithCount(INT16_MIN, 200), ReadStage::PCount, FileCause::InvalidFile,
                  "bombed on size: 6"},
        Malformed{"countHighestNoData", PWithCount(INT16_MAX, 0), ReadStage::PPoints, FileCause::EndOfFile,
                  "bombed on data: 14"},
        Malformed{"pointShortByOne", PWithCount(1, 47), ReadStage::PPoints, FileCause::EndOfFile,
                  "bombed on data: 14"},
        // Read by its count, the second point's bytes would give L, B and T.
        Malformed{"countOneLowerThanItsPoints", PWithCount(1, 2 * 48 + 72), ReadStage::PCount,
                  FileCause::InvalidFile, "bombed on size: 6"},
        Malformed{"lengthShortByOne", Truncated(kEmptyP, 10), ReadStage::PLength, FileCause::EndOfFile,
                  "bombed 3: 14"},
        Malformed{"afterLengthOnly", Truncated(kEmptyP, 11), ReadStage::PTail, FileCause::EndOfFile, "bombed 4: 14"},
        Malformed{"energyShortByOne", Truncated(kEmptyP, 74), ReadStage::PTail, FileCause::EndOfFile,
                  "bombed 4: 14"},
        Malformed{"lengthZero", PWithTrailer(0.0, 0.8, 0.6), ReadStage::PLength, FileCause::InvalidFile,
                  "bombed 3: 6"},
        Malformed{"lengthTiny", PWithTrailer(1e-310, 0.8, 0.6), ReadStage::PLength, FileCause::InvalidFile,
                  "bombed 3: 6"},
        Malformed{"fieldNaN", PWithTrailer(500, kNaN, 0.6), ReadStage::PTail, FileCause::InvalidFile, "bombed 4: 6"},
        Malformed{"energyInfinite", PWithTrailer(500, 0.8, kInf), ReadStage::PTail, FileCause::InvalidFile,
                  "bombed 4: 6"}));

// Finite conditions no slider comes near: refused with the value and its bounds; the last value
// inside each bound is read.
INSTANTIATE_TEST_SUITE_P(
    Conditions, MalformedFile,
    ::testing::Values(
        Malformed{"energyZero", WFile({500.0, 0.8, 0.0, 1.6, 0}, {}), ReadStage::Conditions, FileCause::None,
                  "Tracelume cannot show this event: T = 0 MeV is outside 0.0001 to 1E+06 MeV."},
        Malformed{"energyHugeNegative", WFile({500.0, 0.8, -1e308, 1.6, 0}, {}), ReadStage::Conditions,
                  FileCause::None, "Tracelume cannot show this event: T = -1E+308 MeV is outside 0.0001 to 1E+06 MeV."},
        Malformed{"fieldHuge", WFile({500.0, 1e308, 0.6, 1.6, 0}, {}), ReadStage::Conditions, FileCause::None,
                  "Tracelume cannot show this event: B = 1E+308 kG is outside -200 to 200 kG."},
        Malformed{"lengthSubnormal", WFile({5e-324, 0.8, 0.6, 1.6, 0}, {}), ReadStage::Conditions, FileCause::None,
                  "Tracelume cannot show this event: L = 0 m is outside 0.01 to 1000 m."},
        Malformed{"scaleNoLengthGives", WFile({500.0, 0.8, 0.6, 1e300, 0}, {}), ReadStage::WConditions,
                  FileCause::InvalidFile, "bombed 2: 6"},
        Malformed{"energyJustBelow", PWithTrailer(500, 0.8, 0.99e-4), ReadStage::Conditions, FileCause::None,
                  "Tracelume cannot show this event: T = 9.9E-05 MeV is outside 0.0001 to 1E+06 MeV."},
        Malformed{"lengthJustAbove", PWithTrailer(100000.5, 0.8, 0.6), ReadStage::Conditions, FileCause::None,
                  "Tracelume cannot show this event: L = 1000 m is outside 0.01 to 1000 m."},
        Malformed{"fieldJustBelow", PWithTrailer(500, -200.5, 0.6), ReadStage::Conditions, FileCause::None,
                  "Tracelume cannot show this event: B = -200.5 kG is outside -200 to 200 kG."}));

TEST(ReadingBoundaries, ConditionsAtTheirBoundsAreRead)
{
    EXPECT_TRUE(ParseEventBytes(WFile({1.0, -200.0, 1e-4, 800.0, 0}, {})).Ok());
    EXPECT_TRUE(ParseEventBytes(PWithTrailer(1e5, 200.0, 1e6)).Ok());
}

TEST(ReadingBoundaries, LastByteCompletesTheFileAndOneLessDoesNot)
{
    const std::vector<uint8_t> p = kEmptyP;
    EXPECT_TRUE(ParseEventBytes(p).Ok());
    EXPECT_FALSE(ParseEventBytes(Truncated(p, p.size() - 1)).Ok());
    EXPECT_TRUE(ParseEventBytes(kOnePointW).Ok());
    EXPECT_FALSE(ParseEventBytes(Truncated(kOnePointW, kOnePointW.size() - 1)).Ok());
    // Count exactly what the file holds passes; one more fails.
    EXPECT_TRUE(ParseEventBytes(WithCount(3, 3 * 48)).Ok());
    EXPECT_FALSE(ParseEventBytes(WithCount(4, 3 * 48)).Ok());
}

// A source that cannot tell its length, as a pipe: the reader must still stop at the bytes
// that are there without reserving room for the stored count.
class UnknownLengthSource final : public ByteSource {
public:
    explicit UnknownLengthSource(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)), inner_(bytes_) {}
    FileCause ReadExact(void* out, std::size_t size) override
    {
        ++reads;
        return inner_.ReadExact(out, size);
    }
    std::optional<uint64_t> Remaining() const override { return std::nullopt; }
    int reads = 0;

private:
    std::vector<uint8_t> bytes_;
    MemorySource inner_;
};

TEST(ReadingBoundaries, HugeCountFromAStreamStopsAtItsEnd)
{
    Bytes bytes = WHeader({}, eventfile::kMaxEventPoints);
    AppendWPoint(bytes, MakePoint(1, 2, 3, kRed));
    AppendWPoint(bytes, MakePoint(4, 5, 6, kRed));
    UnknownLengthSource source(bytes.data);
    const ReadOutcome outcome = ReadEvent(source);
    ASSERT_FALSE(outcome.Ok());
    EXPECT_EQ(outcome.failure.stage, ReadStage::WPoints);
    EXPECT_EQ(outcome.failure.cause, FileCause::EndOfFile);
    // Kind, conditions, count, and the batch of points that ran out.
    EXPECT_EQ(source.reads, 4);
}

// Many points arrive in place from a file, read at once, and from a stream, read in batches; a
// point that is not finite at the end still refuses the file.
TEST(ReadingBoundaries, ManyPointsArriveInPlaceFromAFileAndInBatchesFromAStream)
{
    std::vector<TrackPoint> points;
    for (int i = 0; i < 10000; ++i)
        points.push_back(MakePoint(i, -0.5 * i, i % 7, kRed + i % 5, 0.25 * i));
    const std::vector<uint8_t> file = WFile({}, points);
    UnknownLengthSource stream(file);
    for (const ReadOutcome& outcome : {ParseEventBytes(file), ReadEvent(stream)}) {
        ASSERT_TRUE(outcome.Ok());
        ASSERT_EQ(outcome.event->points.size(), points.size());
        for (std::size_t i = 0; i < points.size(); ++i)
            ASSERT_EQ(std::memcmp(&points[i], &outcome.event->points[i], sizeof(TrackPoint)), 0) << "point " << i;
    }

    points.back().z = kInf;
    const ReadOutcome refused = ParseEventBytes(WFile({}, points));
    ASSERT_FALSE(refused.Ok());
    EXPECT_EQ(refused.failure.stage, ReadStage::WPoints);
    EXPECT_EQ(refused.failure.cause, FileCause::InvalidFile);
}

TEST(ChamberEventFromFile, CapacityAndCountAreTheStoredCount)
{
    const std::vector<TrackPoint> points = {MakePoint(1, 2, 3, kRed), MakePoint(4, 5, 6, kYellow, 9.0)};
    const ReadOutcome outcome = ParseEventBytes(WFile({}, points));
    ASSERT_TRUE(outcome.Ok());
    ChamberDataHolder holder;
    const auto event = MakeChamberEvent(*outcome.event, &holder);
    EXPECT_EQ(event->Chamber(), &holder);
    EXPECT_EQ(event->Points().Capacity(), 2);
    ASSERT_EQ(event->Points().Count(), 2);
    ExpectSamePoint(points[1], event->Points()[1]);

    const ReadOutcome empty = ParseEventBytes(WFile({}, {}));
    ASSERT_TRUE(empty.Ok());
    const auto emptyEvent = MakeChamberEvent(*empty.event, &holder);
    EXPECT_EQ(emptyEvent->Points().Capacity(), 0);
    EXPECT_EQ(emptyEvent->Points().Count(), 0);
}

TEST(LoadingFiles, FileOnDiskReadsLikeItsBytes)
{
    ScratchDir dir;
    const std::vector<TrackPoint> points = {MakePoint(1, 2, 3, kRed), MakePoint(4, 5, 6, kLightBlue)};
    const ReadOutcome outcome = LoadEventFile(dir.Write("two.cwd", WFile({300, 1, 2, 800.0 / 300, 1}, points)));
    ASSERT_TRUE(outcome.Ok());
    EXPECT_EQ(outcome.closeCause, FileCause::None);
    ASSERT_EQ(outcome.event->points.size(), 2u);
    ExpectSamePoint(points[1], outcome.event->points[1]);
    EXPECT_EQ(outcome.event->conditions.L(), 300.0);
}

TEST(LoadingFiles, HugeCountInAShortFileIsRejectedBeforeReadingPoints)
{
    ScratchDir dir;
    const ReadOutcome outcome = LoadEventFile(dir.Write("huge.cwd", WithCount(eventfile::kMaxEventPoints, 100)));
    ASSERT_FALSE(outcome.Ok());
    EXPECT_EQ(outcome.failure.stage, ReadStage::WPoints);
    EXPECT_EQ(outcome.failure.cause, FileCause::EndOfFile);
}

// Its length confirms the count, but its points would need 100 GB of memory.
TEST(HostileFiles, SparseFileWithTheLengthOfTheLargestCountIsRefusedAtTheCount)
{
    ScratchDir dir;
    const std::string path = dir.Write("sparse.cwd", WithCount(INT32_MAX, 0));
    if (truncate(path.c_str(), off_t(53) + off_t(48) * INT32_MAX) != 0)
        GTEST_SKIP() << "this file system cannot hold a sparse file of that length";
    const ReadOutcome outcome = LoadEventFile(path);
    ASSERT_FALSE(outcome.Ok());
    EXPECT_EQ(outcome.failure.stage, ReadStage::WCount);
    EXPECT_EQ(outcome.failure.cause, FileCause::InvalidFile);
}

TEST(HostileFiles, StreamCannotAnnounceMorePointsThanTheLimit)
{
    UnknownLengthSource source(WithCount(eventfile::kMaxEventPoints + 1, 48));
    const ReadOutcome outcome = ReadEvent(source);
    ASSERT_FALSE(outcome.Ok());
    EXPECT_EQ(outcome.failure.stage, ReadStage::WCount);
    EXPECT_EQ(source.reads, 3);
}

// Opening a FIFO that nobody writes to would wait for ever.
TEST(HostileFiles, FifoIsRefusedAtOpenWithoutWaiting)
{
    ScratchDir dir;
    const std::string path = dir.Path("fifo.cwd");
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    const ReadOutcome outcome = LoadEventFile(path);
    ASSERT_FALSE(outcome.Ok());
    EXPECT_EQ(ReadFailureMessage(outcome.failure, OpenOrigin::Menu).text, "open bomb: 6");
}

TEST(LoadingFiles, MissingFileFailsToOpenWithBothMessages)
{
    ScratchDir dir;
    const ReadOutcome outcome = LoadEventFile(dir.Path("absent.cwd"));
    ASSERT_FALSE(outcome.Ok());
    EXPECT_EQ(outcome.failure.stage, ReadStage::Open);
    EXPECT_EQ(outcome.failure.cause, FileCause::FileNotFound);
    const FileMessage menu = ReadFailureMessage(outcome.failure, OpenOrigin::Menu);
    EXPECT_EQ(menu.text, "open bomb: 2");
    EXPECT_EQ(menu.caption, "opener");
    const FileMessage startUp = ReadFailureMessage(outcome.failure, OpenOrigin::CommandLine);
    EXPECT_EQ(startUp.text, "Try opening file with Open under File menu.");
    EXPECT_EQ(startUp.caption, "Opening Problem");
    EXPECT_EQ(startUp.owner, MessageOwner::Desktop);
}

TEST(LoadingFiles, DirectoryAndPathThroughAFileAreBadPaths)
{
    ScratchDir dir;
    const ReadOutcome directory = LoadEventFile(dir.Root());
    ASSERT_FALSE(directory.Ok());
    EXPECT_EQ(directory.failure.stage, ReadStage::Open);
    EXPECT_EQ(directory.failure.cause, FileCause::BadPath);

    const std::string file = dir.Write("plain.cwd", kOnePointW);
    const ReadOutcome through = LoadEventFile(file + "/inner.cwd");
    ASSERT_FALSE(through.Ok());
    EXPECT_EQ(through.failure.stage, ReadStage::Open);
    EXPECT_EQ(through.failure.cause, FileCause::BadPath);
}

TEST(LoadingFiles, UnreadableFileIsAccessDenied)
{
    ScratchDir dir;
    const std::string path = dir.Write("locked.cwd", kOnePointW);
    ASSERT_EQ(chmod(path.c_str(), 0), 0);
    if (std::FILE* probe = std::fopen(path.c_str(), "rb")) {
        std::fclose(probe);
        GTEST_SKIP() << "this user can read files without read permission";
    }
    const ReadOutcome outcome = LoadEventFile(path);
    ASSERT_FALSE(outcome.Ok());
    EXPECT_EQ(outcome.failure.stage, ReadStage::Open);
    EXPECT_EQ(outcome.failure.cause, FileCause::AccessDenied);
}

TEST(LoadingFiles, EmptyFileFailsAtTheKindByte)
{
    ScratchDir dir;
    const ReadOutcome outcome = LoadEventFile(dir.Write("empty.cwd", {}));
    ASSERT_FALSE(outcome.Ok());
    EXPECT_EQ(outcome.failure.stage, ReadStage::KindByte);
    EXPECT_EQ(outcome.failure.cause, FileCause::EndOfFile);
}
