#include "tools/events/EventsCommandLine.h"

#include <gtest/gtest.h>

namespace {

GenerateOptions Generated(const std::vector<std::string>& args)
{
    const GenerateArgs parsed = ParseGenerateArgs(args);
    EXPECT_TRUE(std::holds_alternative<GenerateOptions>(parsed)) << "arguments were rejected";
    return std::holds_alternative<GenerateOptions>(parsed) ? std::get<GenerateOptions>(parsed) : GenerateOptions{};
}

std::string GenerateError(const std::vector<std::string>& args)
{
    const GenerateArgs parsed = ParseGenerateArgs(args);
    const auto* error = std::get_if<UsageError>(&parsed);
    return error ? error->reason : "<accepted>";
}

} // namespace

TEST(GenerateArguments, DefaultsAreTheStartingConditions)
{
    const GenerateOptions options = Generated({"4"});
    EXPECT_EQ(options.decayType, 4);
    EXPECT_FALSE(options.seed.has_value());
    EXPECT_EQ(options.count, 1);
    EXPECT_EQ(options.fieldKG, 0.8);
    EXPECT_EQ(options.energyMeV, 0.6);
    EXPECT_EQ(options.lengthCm, 500.0);
    EXPECT_EQ(options.directory, ".");
}

TEST(GenerateArguments, EveryOptionInAnyOrder)
{
    const GenerateOptions options =
        Generated({"--seed", "42", "--count", "12", "6", "--B", "-1.5", "--T", "2e1", "--L", "0.5", "-o", "out/x"});
    EXPECT_EQ(options.decayType, 6);
    EXPECT_EQ(options.seed, 42u);
    EXPECT_EQ(options.count, 12);
    EXPECT_EQ(options.fieldKG, -1.5);
    EXPECT_EQ(options.energyMeV, 20.0);
    EXPECT_EQ(options.lengthCm, 50.0);
    EXPECT_EQ(options.directory, "out/x");
}

TEST(GenerateArguments, BoundaryPairs)
{
    EXPECT_EQ(Generated({"1"}).decayType, 1);
    EXPECT_EQ(GenerateError({"0"}), "decay type must be 1 to 6: 0");
    EXPECT_EQ(Generated({"6"}).decayType, 6);
    EXPECT_EQ(GenerateError({"7"}), "decay type must be 1 to 6: 7");
    EXPECT_EQ(Generated({"1", "--count", "1"}).count, 1);
    EXPECT_EQ(GenerateError({"1", "--count", "0"}), "count must be at least 1: 0");
    EXPECT_EQ(Generated({"1", "--seed", "4294967295"}).seed, 4294967295u);
    EXPECT_NE(GenerateError({"1", "--seed", "4294967296"}), "<accepted>");
    EXPECT_EQ(Generated({"1", "--seed", "0"}).seed, 0u);
    EXPECT_NE(GenerateError({"1", "--seed", "-1"}), "<accepted>");
    EXPECT_EQ(Generated({"1", "--B", "0"}).fieldKG, 0.0);
}

// Conditions are checked in the units the chamber keeps, L after its conversion to cm: at each
// bound the last value taken and the first refused, and a length that overflows.
TEST(GenerateArguments, ConditionsWithinTheBoundsOfTheEventFiles)
{
    const std::vector<std::vector<const char*>> cases = { // option, value, start of the refusal
        {"--L", "0.01", ""}, {"--L", "0.00999", "L = 0.00999 m is outside"}, {"--L", "1000", ""},
        {"--L", "1000.5", "L = 1000.5 m is outside"}, {"--L", "1.8e306", "L = 1.8e306 m overflows in cm"},
        {"--B", "-200", ""}, {"--B", "200", ""}, {"--B", "200.5", "B = 200.5 kG is outside"}, {"--T", "1e-4", ""},
        {"--T", "9.99e-5", "T = 9.99E-05 MeV is outside"}, {"--T", "1e6", ""}, {"--T", "1000001", "T = 1E+06 MeV"},
    };
    for (const auto& c : cases) {
        const std::string reason = GenerateError({"1", c[0], c[1]});
        EXPECT_TRUE(*c[2] ? reason.starts_with(c[2]) : reason == "<accepted>") << c[1] << ": " << reason;
    }
}

TEST(GenerateArguments, RejectsWhatCannotRun)
{
    EXPECT_EQ(GenerateError({}), "missing decay type (1 to 6)");
    EXPECT_EQ(GenerateError({"--seed", "1"}), "missing decay type (1 to 6)");
    EXPECT_EQ(GenerateError({"1", "--colour", "3"}), "unknown option: --colour");
    EXPECT_EQ(GenerateError({"1", "--seed"}), "missing value for --seed");
    EXPECT_EQ(GenerateError({"1", "-o"}), "missing value for -o");
    EXPECT_EQ(GenerateError({"1", "2"}), "unexpected argument: 2");
    EXPECT_EQ(GenerateError({"x"}), "not a number for TYPE: x");
    EXPECT_EQ(GenerateError({"1", "--B", "0.8kG"}), "not a number for --B: 0.8kG");
    EXPECT_EQ(GenerateError({"1", "--B", "nan"}), "not a number for --B: nan");
    EXPECT_EQ(GenerateError({"1", "--T", "inf"}), "not a number for --T: inf");
    EXPECT_EQ(GenerateError({"1", "--count", "2.5"}), "not a number for --count: 2.5");
    EXPECT_EQ(GenerateError({"1", "--count", ""}), "not a number for --count: ");
}

TEST(GenerateArguments, HelpWins)
{
    EXPECT_TRUE(std::holds_alternative<HelpRequest>(ParseGenerateArgs({"9", "--help"})));
}

TEST(ShowArguments, FileAndPointsFlag)
{
    const ShowArgs plain = ParseShowArgs({"a.cwd"});
    ASSERT_TRUE(std::holds_alternative<ShowOptions>(plain));
    EXPECT_EQ(std::get<ShowOptions>(plain).file, "a.cwd");
    EXPECT_FALSE(std::get<ShowOptions>(plain).listPoints);

    const ShowArgs points = ParseShowArgs({"--points", "b.cwd"});
    ASSERT_TRUE(std::holds_alternative<ShowOptions>(points));
    EXPECT_EQ(std::get<ShowOptions>(points).file, "b.cwd");
    EXPECT_TRUE(std::get<ShowOptions>(points).listPoints);
}

TEST(ShowArguments, RejectsWhatCannotRun)
{
    const auto reason = [](const std::vector<std::string>& args) {
        const ShowArgs parsed = ParseShowArgs(args);
        const auto* error = std::get_if<UsageError>(&parsed);
        return error ? error->reason : "<accepted>";
    };
    EXPECT_EQ(reason({}), "missing file");
    EXPECT_EQ(reason({"--points"}), "missing file");
    EXPECT_EQ(reason({"a.cwd", "b.cwd"}), "unexpected argument: b.cwd");
    EXPECT_EQ(reason({"a.cwd", "--point"}), "unknown option: --point");
}

TEST(NumberParsing, WholeTextOnly)
{
    EXPECT_EQ(ParseInt("12"), 12);
    EXPECT_FALSE(ParseInt(" 12").has_value());
    EXPECT_FALSE(ParseInt("12 ").has_value());
    EXPECT_FALSE(ParseInt("2147483648").has_value());
    EXPECT_EQ(ParseFiniteDouble("-0.25"), -0.25);
    EXPECT_FALSE(ParseFiniteDouble("1e400").has_value());
    EXPECT_FALSE(ParseFiniteDouble("-inf").has_value());
}

// Every render option in any order, the defaults, and each value that is not one of the choices.
TEST(RenderArguments, ChoicesAreParsedAndAnythingElseIsAUsageError)
{
    struct Case {
        std::vector<std::string> args;
        std::string error; // empty: accepted
        RenderView view = RenderView::Chamber;
        RenderPlane plane = RenderPlane::XY;
        int zoom = 1;
        int scale = 1;
    };
    const Case cases[] = {
        {{"e.cwd", "-o", "e.png"}, ""},
        {{"--scale", "4", "-o", "e.png", "e.cwd"}, "", RenderView::Chamber, RenderPlane::XY, 1, 4},
        {{"e.cwd", "--view", "projector", "--plane", "yz", "--zoom", "3", "-o", "e.png", "--scale", "2"}, "",
         RenderView::Projector, RenderPlane::YZ, 3, 2},
        {{"e.cwd", "-o", "e.png", "--scale", "5"}, "--scale takes 1|2|3|4: 5"},
        {{"e.cwd", "-o", "e.png", "--view", "projector", "--zoom", "4"}, "--zoom takes 1|2|3: 4"},
        {{"e.cwd", "-o", "e.png", "--view", "projector", "--plane", "XY"}, "--plane takes xy|yz|xz: XY"},
        {{"e.cwd", "-o", "e.png", "--view", "side"}, "--view takes chamber|projector: side"},
        {{"e.cwd", "-o", "e.png", "--plane", "yz"}, "--plane and --zoom go with --view projector"},
        {{"e.cwd", "-o", "e.png", "--scale"}, "missing value for --scale"},
        {{"e.cwd", "-o", "e.png", "--size", "2"}, "unknown option: --size"},
        {{"e.cwd", "f.cwd", "-o", "e.png"}, "unexpected argument: f.cwd"},
        {{"e.cwd", "-o", "e.png", "-o", "f.png"}, "-o given twice"},
        {{"e.cwd"}, "missing -o OUT.png"},
        {{"e.cwd", "-o", "e.jpg"}, "-o writes .png files only: e.jpg"},
    };
    for (const Case& c : cases) {
        const RenderArgs parsed = ParseRenderArgs(c.args);
        const auto* error = std::get_if<UsageError>(&parsed);
        EXPECT_EQ(error ? error->reason : "", c.error) << c.args.back();
        if (const auto* options = std::get_if<RenderOptions>(&parsed)) {
            EXPECT_EQ(options->eventFile, "e.cwd");
            EXPECT_EQ(options->pngFile, "e.png");
            EXPECT_EQ(options->view, c.view);
            EXPECT_EQ(options->plane, c.plane);
            EXPECT_EQ(options->zoom, c.zoom);
            EXPECT_EQ(options->scale, c.scale);
        }
    }
    EXPECT_TRUE(std::holds_alternative<HelpRequest>(ParseRenderArgs({"e.cwd", "--help"})));
}

// print takes the folder, a .pdf and the Projector's plane and zoom; nothing of render's else.
TEST(PrintArguments, FolderPdfPlaneAndZoom)
{
    const PrintArgs parsed = ParsePrintArgs({"--zoom", "2", "lesson", "-o", "Lesson.PDF", "--plane", "xz"});
    const auto* options = std::get_if<PrintOptions>(&parsed);
    ASSERT_TRUE(options);
    EXPECT_EQ(options->directory, "lesson");
    EXPECT_EQ(options->pdfFile, "Lesson.PDF");
    EXPECT_EQ(options->plane, RenderPlane::XZ);
    EXPECT_EQ(options->zoom, 2);
    for (const auto& [args, reason] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"lesson", "-o", "lesson.png"}, "-o writes .pdf files only: lesson.png"},
             {{"-o", "lesson.pdf"}, "missing folder"},
             {{"lesson", "-o", "lesson.pdf", "--scale", "2"}, "unknown option: --scale"}}) {
        const PrintArgs refused = ParsePrintArgs(args);
        ASSERT_TRUE(std::holds_alternative<UsageError>(refused)) << reason;
        EXPECT_EQ(std::get<UsageError>(refused).reason, reason);
    }
}
