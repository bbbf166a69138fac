#pragma once

#include "eventfile/EventFileReader.h"

#include <iosfwd>
#include <optional>
#include <string>

// The event of a file as stored, with the program's messages about it (a failure, a close
// failure, a negative field) on err as "caption: text" lines; nothing when it cannot be read.
std::optional<StoredEvent> ReadEventReporting(const std::string& path, std::ostream& err);

// The same with the conditions the main frame would install: a negative field is flipped, as
// the program does.
std::optional<StoredEvent> ReadEventAsShown(const std::string& path, std::ostream& err);
