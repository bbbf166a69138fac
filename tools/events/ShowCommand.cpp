#include "tools/events/EventsTool.h"

#include "tools/events/EventReading.h"
#include "tools/events/EventsCommandLine.h"

#include <charconv>
#include <ostream>

namespace {

// The shortest text that reads back as the same double.
std::string Exact(double value)
{
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return error == std::errc() ? std::string(text, end) : std::string("?");
}

void PrintSummary(const StoredEvent& event, std::ostream& out)
{
    out << "kind: " << static_cast<char>(event.kind) << "\n";
    out << "L (cm): " << Exact(event.conditions.L()) << "\n";
    out << "B (kG): " << Exact(event.conditions.B()) << "\n";
    out << "T (MeV): " << Exact(event.conditions.T()) << "\n";
    out << "points: " << event.points.size() << "\n";
}

void PrintPoints(const StoredEvent& event, std::ostream& out)
{
    out << "x,y,z,colour\n";
    for (const TrackPoint& p : event.points)
        out << Exact(p.x) << ',' << Exact(p.y) << ',' << Exact(p.z) << ',' << p.colour << "\n";
}

int Show(const ShowOptions& options, std::ostream& out, std::ostream& err)
{
    const std::optional<StoredEvent> event = ReadEventReporting(options.file, err);
    if (!event)
        return kExitFailure;
    PrintSummary(*event, out);
    if (options.listPoints)
        PrintPoints(*event, out);
    return kExitOk;
}

} // namespace

int RunShowCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const ShowArgs parsed = ParseShowArgs(args);
    if (const auto* options = std::get_if<ShowOptions>(&parsed))
        return Show(*options, out, err);
    return ReportUsageOrHelp(std::get_if<UsageError>(&parsed), out, err);
}
