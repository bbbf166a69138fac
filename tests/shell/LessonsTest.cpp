// The classroom's additions to the frame: the lesson seed finds an event by its number, the
// status line names it, and a file's event shows in the chamber's starting orientation.
#include "TestCommandsSupport.h"

#include "eventfile/EventFileWriter.h"
#include "platform/seams/InfoDialogs.h"
#include "platform/seams/PrintDialog.h"
#include "physics/Generators.h"

#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

class Lessons : public CommandTest {
protected:
    void TearDown() override
    {
        platform::SetNumberFormHandler({});
        CommandTest::TearDown();
    }

    // Lesson Seed, answered with seed and number.
    void ChooseLesson(int64_t seed, int64_t number)
    {
        platform::SetNumberFormHandler([=](const NumberFormRequest& request) {
            EXPECT_EQ(request.fields.size(), 2u);
            return std::optional<std::vector<int64_t>>({seed, number});
        });
        Frame().OnCommand(cmd::kLessonSeed);
    }
};

bool SamePoints(const PointList& a, const PointList& b)
{
    return a.Count() == b.Count() && std::memcmp(a.begin(), b.begin(), size_t(a.Count()) * sizeof(TrackPoint)) == 0;
}

TEST_F(Lessons, NewEventMakesTheChosenNumberAndTheStatusLineNamesIt)
{
    StartProgram();
    ChooseLesson(4242, 3);
    Frame().OnCommand(cmd::kDecay3);
    EXPECT_EQ(Menu().StatusText(), "Seed 4242, next event 3   Particle Decay 3: π⁰ → γγ, γ → e⁻e⁺");
    for (int number = 3; number <= 4; ++number) {
        Frame().OnCommand(cmd::kNewEvent);
        DecayGenerator generator(4242);
        std::unique_ptr<ChamberEvent> expected;
        for (int n = 1; n <= number; ++n)
            expected = generator.GenerateDecay(3, State().conditions);
        ASSERT_NE(State().event, nullptr);
        EXPECT_TRUE(SamePoints(State().event->Points(), expected->Points())) << number;
        EXPECT_EQ(Menu().StatusText(),
                  "Seed 4242, event " + std::to_string(number) + "   Particle Decay 3: π⁰ → γγ, γ → e⁻e⁺");
    }
    // Print offers a PDF named after the event, not after the program.
    PrintDialogRequest asked;
    platform::SetPrintDialogHandler([&](const PrintDialogRequest& request) {
        asked = request;
        return PrintDialogAnswer{};
    });
    Frame().ActivateToolWindow(&Chamber());
    Frame().OnCommand(cmd::kPrint);
    platform::SetPrintDialogHandler({});
    EXPECT_EQ(asked.fileName, "type-3-seed-4242-event-4");
}

TEST_F(Lessons, AFileShowsFromTheStartingOrientation)
{
    StartProgram();
    const auto path = std::filesystem::temp_directory_path() / "tracelume-lesson-test.cwd";
    const std::vector<uint8_t> bytes = EncodeEventFile(ChamberData(500, 0.8, 0.6), {});
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    State().camera.Rotate(ScreenCamera::kAxisZ, 0.7);
    Frame().ReadEventFile(path.string());
    std::filesystem::remove(path);
    const ScreenCamera start = ScreenCamera::ForChamber();
    EXPECT_EQ(std::memcmp(State().camera.currentView, start.currentView, sizeof start.currentView), 0);
    EXPECT_EQ(Menu().StatusText().rfind("Event from a file", 0), 0u) << Menu().StatusText();
}

} // namespace
