#include "tools/events/EventReading.h"

#include "eventfile/FileMessages.h"

#include <ostream>

namespace {

void Report(const FileMessage& message, std::ostream& err) { err << message.caption << ": " << message.text << "\n"; }

} // namespace

std::optional<StoredEvent> ReadEventReporting(const std::string& path, std::ostream& err)
{
    ReadOutcome outcome = LoadEventFile(path);
    if (!outcome.Ok()) {
        Report(ReadFailureMessage(outcome.failure, OpenOrigin::Menu), err);
        return std::nullopt;
    }
    if (outcome.closeCause != FileCause::None)
        Report(ReadCloseFailureMessage(outcome.closeCause), err);
    if (outcome.event->HasNegativeField())
        Report(NegativeFieldMessage(), err);
    return std::move(outcome.event);
}

std::optional<StoredEvent> ReadEventAsShown(const std::string& path, std::ostream& err)
{
    std::optional<StoredEvent> stored = ReadEventReporting(path, err);
    if (stored && stored->HasNegativeField())
        stored->conditions.SetB(-stored->conditions.B());
    return stored;
}
