#include "tools/events/EventsTool.h"

#include "eventfile/EventFileWriter.h"
#include "physics/EventTruth.h"
#include "physics/Generators.h"
#include "tools/events/EventsCommandLine.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <ostream>

namespace {

// event-0001.cwd, ..., event-9999.cwd, event-10000.cwd: 1-based, at least four digits.
std::string EventFileName(int number)
{
    char name[32];
    std::snprintf(name, sizeof name, "event-%04d.cwd", number);
    return name;
}

uint32_t CalendarSeconds() { return static_cast<uint32_t>(std::time(nullptr)); }

bool MakeDirectory(const std::string& directory, std::ostream& err)
{
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error || !std::filesystem::is_directory(directory)) {
        err << "tracelume-events: cannot create directory " << directory << ": "
            << (error ? error.message() : "not a directory") << "\n";
        return false;
    }
    return true;
}

// The answer key of one event, beside its file.
bool WriteTruth(const std::filesystem::path& path, const EventTruth& truth, const AnswerKeyHeading& heading,
                std::ostream& err)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << TruthCsv(truth, heading);
    file.close();
    if (!file) {
        err << "tracelume-events: cannot write " << path.string() << "\n";
        return false;
    }
    return true;
}

// Makes the events one after another from one random stream, as successive New Event
// commands do, and saves each as Save As would.
int Generate(const GenerateOptions& options, std::ostream& out, std::ostream& err)
{
    if (!MakeDirectory(options.directory, err))
        return kExitFailure;
    const uint32_t seed = options.seed.value_or(CalendarSeconds());
    DecayGenerator generator(seed, options.truth ? AnswerKey::Recorded : AnswerKey::NotRecorded);
    const ChamberData conditions(options.lengthCm, options.fieldKG, options.energyMeV);
    for (int number = 1; number <= options.count; ++number) {
        const std::unique_ptr<ChamberEvent> event = generator.GenerateDecay(options.decayType, conditions);
        const std::filesystem::path path = std::filesystem::path(options.directory) / EventFileName(number);
        if (const auto failure = SaveEventFile(path.string(), conditions, PointsOf(event->Points()))) {
            const FileMessage message = SaveFailureMessage(*failure);
            err << message.caption << ": " << message.text << " (" << path.string() << ")\n";
            return kExitFailure;
        }
        out << path.string() << "\n";
        const AnswerKeyHeading heading{options.decayType, seed, number, conditions.L(), conditions.B(),
                                       conditions.T()};
        if (options.truth &&
            !WriteTruth(std::filesystem::path(path).replace_extension(".csv"), generator.Truth(), heading, err))
            return kExitFailure;
    }
    return kExitOk;
}

} // namespace

int RunGenerateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const GenerateArgs parsed = ParseGenerateArgs(args);
    if (const auto* options = std::get_if<GenerateOptions>(&parsed))
        return Generate(*options, out, err);
    return ReportUsageOrHelp(std::get_if<UsageError>(&parsed), out, err);
}
