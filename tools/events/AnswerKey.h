#pragma once

#include "physics/EventTruth.h"

#include <optional>
#include <string>
#include <vector>

// An answer key as generate --truth writes it beside an event file (physics/EventTruth.h,
// TruthCsv): the line naming the event, the header line, one line per particle.
struct StoredAnswerKey {
    AnswerKeyHeading heading;
    std::vector<std::string> columns;            // the header line's names
    std::vector<std::vector<std::string>> rows;  // one per particle, a cell per column
};

// The heading of "# Tracelume answer key: decay type T, seed S, event N; B = ..., T = ..., L = ... m";
// nothing for any other line.
std::optional<AnswerKeyHeading> ParseAnswerKeyHeading(const std::string& line);

// The key in the text of a key file; nothing when its first line is not a key's heading.
std::optional<StoredAnswerKey> ParseAnswerKey(const std::string& text);
