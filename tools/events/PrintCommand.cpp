// tracelume-events print DIR -o OUT.pdf: the handout of a lesson set that generate wrote into
// DIR, its event-NNNN.cwd files in the order of their numbers, each with the answer key
// event-NNNN.csv beside it when generate --truth wrote one.

#include "tools/events/RenderCommand.h"

#include "platform/gfx/GuiApplication.h"
#include "tools/events/EventReading.h"
#include "tools/events/EventsCommandLine.h"
#include "tools/events/EventsTool.h"
#include "tools/events/Handout.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <regex>
#include <sstream>
#include <variant>

namespace {

namespace fs = std::filesystem;

// The event files of the folder, by number: event-0001.cwd, ..., event-10000.cwd.
std::optional<std::vector<std::pair<int, fs::path>>> EventFiles(const std::string& directory, std::ostream& err)
{
    std::error_code error;
    fs::directory_iterator entries(directory, error);
    if (error) {
        err << "tracelume-events: cannot read the folder " << directory << ": " << error.message() << "\n";
        return std::nullopt;
    }
    static const std::regex kEventName("event-([0-9]{4,9})\\.cwd");
    std::vector<std::pair<int, fs::path>> files;
    for (const fs::directory_entry& entry : entries) {
        std::smatch match;
        const std::string name = entry.path().filename().string();
        if (std::regex_match(name, match, kEventName))
            files.emplace_back(std::stoi(match[1].str()), entry.path());
    }
    std::sort(files.begin(), files.end());
    if (files.empty())
        err << "tracelume-events: no event-NNNN.cwd files in " << directory << "\n";
    return files;
}

std::optional<StoredAnswerKey> ReadKey(const fs::path& eventFile)
{
    std::ifstream in(fs::path(eventFile).replace_extension(".csv"), std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return ParseAnswerKey(text.str());
}

std::optional<std::vector<HandoutEvent>> ReadLessonSet(const std::string& directory, std::ostream& err)
{
    const auto files = EventFiles(directory, err);
    if (!files || files->empty())
        return std::nullopt;
    std::vector<HandoutEvent> events;
    for (const auto& [number, path] : *files) {
        std::optional<StoredEvent> stored = ReadEventAsShown(path.string(), err);
        if (!stored) {
            err << "tracelume-events: cannot read " << path.string() << "\n";
            return std::nullopt;
        }
        HandoutEvent event{number, path.filename().string(), std::move(*stored), ReadKey(path)};
        if (event.key)
            event.number = event.key->heading.eventNumber;
        events.push_back(std::move(event));
    }
    return events;
}

int Print(const PrintOptions& options, std::ostream& out, std::ostream& err)
{
    const std::optional<std::vector<HandoutEvent>> events = ReadLessonSet(options.directory, err);
    if (!events)
        return kExitFailure;
    if (!platform::EnsureGuiApplication()) {
        err << "tracelume-events: no application object for drawing text\n";
        return kExitFailure;
    }
    const int pages = WriteHandout(options.pdfFile, *events, {ProjectorPlane(options.plane), options.zoom});
    if (pages == 0) {
        err << "tracelume-events: cannot write " << options.pdfFile << "\n";
        return kExitFailure;
    }
    out << options.pdfFile << ": " << events->size() << " event pages, " << pages - int(events->size())
        << " answer pages\n";
    return kExitOk;
}

} // namespace

int RunPrintCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const PrintArgs parsed = ParsePrintArgs(args);
    if (const auto* options = std::get_if<PrintOptions>(&parsed))
        return Print(*options, out, err);
    return ReportUsageOrHelp(std::get_if<UsageError>(&parsed), out, err);
}
