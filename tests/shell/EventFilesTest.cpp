#include "TestCommandsSupport.h"

#include "controls/ChamberControlWindow.h"
#include "display/ProjectorWindow.h"
#include "eventfile/EventFileWriter.h"
#include "platform/seams/FileDialog.h"
#include "tests/support/FileBytes.h"

#include <sys/stat.h>

namespace {

// The program with its file dialogs answered by the test: each dialog records its request and
// chooses the path in answer (nothing: cancelled).
class EventFiles : public CommandTest {
protected:
    void SetUp() override
    {
        CommandTest::SetUp();
        platform::SetFileDialogHandler([this](const FileDialogRequest& request) {
            requests.push_back(request);
            return answer;
        });
        StartProgram();
    }

    void TearDown() override
    {
        platform::SetFileDialogHandler({});
        CommandTest::TearDown();
    }

    void Choose(const std::string& path, int command)
    {
        answer = path;
        Frame().OnCommand(command);
    }

    std::string ChamberTitle() { return Chamber().GetWindowText(); }
    std::string ProjectorTitle() { return Frame().projectorWindow->GetWindowText(); }

    std::vector<TrackPoint> EventPoints()
    {
        const PointList& points = State().event->Points();
        return {points.Data(), points.Data() + points.Count()};
    }

    std::vector<FileDialogRequest> requests;
    std::optional<std::string> answer;
    ScratchDir dir;
};

uint64_t Bits(double value) { return std::bit_cast<uint64_t>(value); }

void ExpectSamePoints(const std::vector<TrackPoint>& expected, const std::vector<TrackPoint>& actual)
{
    ASSERT_EQ(expected.size(), actual.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(Bits(expected[i].x), Bits(actual[i].x)) << i;
        EXPECT_EQ(Bits(expected[i].y), Bits(actual[i].y)) << i;
        EXPECT_EQ(Bits(expected[i].z), Bits(actual[i].z)) << i;
        EXPECT_EQ(expected[i].colour, actual[i].colour) << i;
    }
}

// A 'P' file of the given points and colours with L, B and T.
std::vector<uint8_t> PFile(const std::vector<TrackPoint>& points, double lengthCm, double fieldKG, double energyMeV)
{
    Bytes bytes;
    bytes.Byte('P').BigInt16(int16_t(points.size()));
    for (const TrackPoint& p : points)
        AppendPPoint(bytes, p, int16_t(p.colour));
    AppendPTrailer(bytes, lengthCm, fieldKG, energyMeV);
    return bytes.data;
}

TEST_F(EventFiles, SavedEventOpensAgainBitForBitWithItsConditions)
{
    Frame().OnCommand(cmd::kNewEvent);
    const std::vector<TrackPoint> made = EventPoints();
    const ChamberData saved = State().conditions;
    Choose(dir.Path("track.cwd"), cmd::kSaveAs);

    ASSERT_EQ(requests.size(), 1u);
    const FileDialogRequest& save = requests[0];
    EXPECT_FALSE(save.open);
    EXPECT_EQ(save.defaultExtension, "cwd");
    EXPECT_EQ(save.initialName, "Untitled");
    EXPECT_NE(save.flags & OFN_OVERWRITEPROMPT, 0u);
    EXPECT_EQ(save.filters, (std::vector<FileFilter>{{"Tracelume Event Files (*.cwd)", {"*.cwd"}},
                                                     {" All files (*.*)", {"*.*"}}}));
    EXPECT_EQ(ChamberTitle(), "Particle Chamber: track");
    EXPECT_EQ(ProjectorTitle(), "Projector: track");
    EXPECT_EQ(dir.Read("track.cwd"), EncodeEventFile(saved, PointsOf(State().event->Points())));

    Frame().OnCommand(cmd::kNewEvent);
    Choose(dir.Path("track.cwd"), cmd::kOpenEventFile);
    const FileDialogRequest& open = requests[1];
    EXPECT_TRUE(open.open);
    EXPECT_EQ(open.initialName, "*.cwd");
    EXPECT_NE(open.flags & OFN_FILEMUSTEXIST, 0u);
    EXPECT_EQ(open.filters, (std::vector<FileFilter>{{"Tracelume Files (*.cwd)", {"*.cwd"}}, {" All files (*.*)", {"*.*"}}}));
    ExpectSamePoints(made, EventPoints());
    EXPECT_EQ(State().conditions.L(), saved.L());
    EXPECT_NEAR(State().conditions.B(), saved.B(), 1e-9);
    EXPECT_NEAR(State().conditions.T(), saved.T(), 1e-9);
    EXPECT_EQ(ChamberTitle(), "Particle Chamber: track");
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(Frame().DecayCommand(), cmd::kDecay1);
    EXPECT_FALSE(Greyed(cmd::kSaveAs));
}

// A file read shows its event in both views at its own conditions, which the sliders take over.
TEST_F(EventFiles, ImportedPFileIsShownWithColourTwoAsLightBlueAndItsConditions)
{
    const std::vector<TrackPoint> points = {MakePoint(0, -300, 0, 2), MakePoint(10, -280, 5, kRed)};
    Choose(dir.Write("track.data", PFile(points, 300, 1.2, 0.5)), cmd::kImportEventFile);

    EXPECT_TRUE(requests.back().filters.empty());
    EXPECT_TRUE(requests.back().initialName.empty());
    EXPECT_TRUE(boxes.Shown().empty());
    ASSERT_NE(State().event, nullptr);
    EXPECT_EQ(EventPoints()[0].colour, kLightBlue);
    EXPECT_EQ(EventPoints()[1].colour, kRed);
    EXPECT_EQ(State().conditions.L(), 300.0);
    EXPECT_NEAR(State().conditions.B(), 1.2, 1e-9);
    EXPECT_NEAR(State().conditions.T(), 0.5, 1e-9);
    EXPECT_EQ(State().conditions.Scale(), State().conditions.Size() / 300.0);
    EXPECT_EQ(State().pendingConditions.L(), 300.0);
    EXPECT_EQ(ChamberTitle(), "Particle Chamber: track");
    EXPECT_EQ(Renderer().Event().get(), State().event.get());

    // The reader's own title keeps a name whose fourth character from the end is not '.'; only
    // the dialog's title, which follows it, drops the extension.
    Frame().ReadEventFile(dir.Path("track.data"));
    EXPECT_EQ(ChamberTitle(), "Particle Chamber: track.data");
}

TEST_F(EventFiles, NegativeFieldIsShownPositiveWithTheTracksUnchanged)
{
    const std::vector<TrackPoint> points = {MakePoint(1, 2, 3, kRed), MakePoint(4, 5, 6, kGreen)};
    Choose(dir.Write("negative.cwd", WFile({500, -0.8, 0.6, 1.6, 0}, points)), cmd::kOpenEventFile);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text,
              "The magnetic field for the event just opened was below zero, but will be shown as positive.");
    EXPECT_EQ(boxes.Shown()[0].caption, "Negative B");
    EXPECT_EQ(State().pendingConditions.B(), 0.8);
    EXPECT_EQ(State().conditions.B(), 0.8);
    ExpectSamePoints(points, EventPoints());
}

// A file that fails at any stage shows that stage's message and changes nothing but the
// dialog's title.
struct Rejected {
    const char* name;
    std::vector<uint8_t> bytes; // the file's bytes; missing: no file, directory: a folder
    const char* text;
    const char* caption;
    enum { File, Missing, Folder } kind = File;
};

void PrintTo(const Rejected& r, std::ostream* out) { *out << r.name; }

class RejectedFile : public EventFiles, public ::testing::WithParamInterface<Rejected> {};

TEST_P(RejectedFile, ShowsItsMessageAndLeavesTheEventAndConditions)
{
    const Rejected& r = GetParam();
    Frame().OnCommand(cmd::kNewEvent);
    const ChamberEvent* before = State().event.get();
    const ChamberData pending = State().pendingConditions;
    std::string path = dir.Path("bad.cwd");
    if (r.kind == Rejected::File)
        dir.Write("bad.cwd", r.bytes);
    if (r.kind == Rejected::Folder)
        std::filesystem::create_directory(path);

    Choose(path, cmd::kOpenEventFile);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, r.text);
    EXPECT_EQ(boxes.Shown()[0].caption, r.caption);
    EXPECT_EQ(State().event.get(), before);
    EXPECT_EQ(Renderer().Event().get(), before);
    EXPECT_EQ(State().pendingConditions.L(), pending.L());
    EXPECT_EQ(State().pendingConditions.B(), pending.B());
    EXPECT_EQ(State().pendingConditions.T(), pending.T());
    EXPECT_EQ(ChamberTitle(), "Particle Chamber: bad");
}

std::vector<uint8_t> Cut(std::vector<uint8_t> bytes, std::size_t size)
{
    bytes.resize(size);
    return bytes;
}

const std::vector<uint8_t> kW = WFile({300, 1.2, 0.5, 8.0 / 3, 0}, {MakePoint(1, 2, 3, kRed)});
const std::vector<uint8_t> kP = PFile({MakePoint(1, 2, 3, kRed)}, 300, 1.2, 0.5);

INSTANTIATE_TEST_SUITE_P(
    EveryStage, RejectedFile,
    ::testing::Values(Rejected{"missing", {}, "open bomb: 2", "opener", Rejected::Missing},
                      Rejected{"folder", {}, "open bomb: 3", "opener", Rejected::Folder},
                      Rejected{"empty", {}, "bombed 1: 14", "opener"},
                      Rejected{"wrongKind", {'X', 1, 2}, "Tracelume cannot read this file.", "Wrong File Type"},
                      Rejected{"wConditionsShort", Cut(kW, 40), "bombed 2: 14", "opener"},
                      Rejected{"wCountShort", Cut(kW, 51), "bombed 3: 14", "opener"},
                      Rejected{"wPointShort", Cut(kW, kW.size() - 1), "bombed 4: 14", "opener"},
                      Rejected{"pCountShort", Cut(kP, 2), "bombed on size: 14", "opener"},
                      Rejected{"pPointShort", Cut(kP, 40), "bombed on data: 14", "opener"},
                      Rejected{"pLengthShort", Cut(kP, 3 + 48 + 4), "bombed 3: 14", "opener"},
                      Rejected{"pTailShort", Cut(kP, kP.size() - 1), "bombed 4: 14", "opener"}));

TEST_F(EventFiles, FailedSaveShowsItsStageAndKeepsTheTitle)
{
    Frame().OnCommand(cmd::kNewEvent);
    Choose(dir.Path("no/such/folder/track.cwd"), cmd::kSaveAs);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, "open error: 2");
    EXPECT_EQ(boxes.Shown()[0].caption, "File Save Error");
    EXPECT_EQ(ChamberTitle(), "Particle Chamber: Untitled Type 1 Decay");
}

TEST_F(EventFiles, CancelledDialogsDoNothing)
{
    Frame().OnCommand(cmd::kNewEvent);
    const ChamberEvent* before = State().event.get();
    for (int command : {cmd::kSaveAs, cmd::kOpenEventFile, cmd::kImportEventFile})
        Choose("", command);
    answer.reset();
    Frame().OnCommand(cmd::kOpenEventFile);
    EXPECT_EQ(requests.size(), 4u);
    EXPECT_EQ(State().event.get(), before);
    EXPECT_EQ(ChamberTitle(), "Particle Chamber: Untitled Type 1 Decay");
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(EventFiles, StartUpOpenThatCannotOpenTheFileIsOwnedByTheDesktop)
{
    State().fromCommandLine = 1;
    Frame().ReadEventFile(dir.Path("gone.cwd"));
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, "Try opening file with Open under File menu.");
    EXPECT_EQ(boxes.Shown()[0].caption, "Opening Problem");
    EXPECT_TRUE(boxes.Shown()[0].OwnedByDesktop());
    EXPECT_EQ(State().fromCommandLine, 0);
}

} // namespace
