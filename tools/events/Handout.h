#pragma once

#include "eventfile/EventFileReader.h"
#include "tools/events/AnswerKey.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The handout of a lesson set: a page for each student's event, then the teacher's answer sheets.

// One event of the set.
struct HandoutEvent {
    int number = 0;        // the key's event number, or else the one in the file's name
    std::string fileName;  // event-0003.cwd
    StoredEvent stored;    // as the program shows it: a negative field already flipped
    std::optional<StoredAnswerKey> key;
};

// The Projector's picture on each page.
struct HandoutProjection {
    int32_t plane = 3; // a ProjectorView::Plane
    int zoom = 1;      // 1 to 3
};

// The title of an event's page: "Seed 42, event 3", or without a key "Event 3 (no answer key,
// so no seed)".
std::string HandoutTitle(const HandoutEvent& event);

// Writes the handout as a PDF at path (A4 portrait). One page per event, in the order given:
// its title, conditions and file name, a line for the student's name, the Particle Chamber's
// first showing and the Projector's picture in their print forms (the forms File > Print uses),
// and the legend of the chamber's print marks. Then the answer sheets: for each event its key's
// heading and one line per particle (kind, charge, how its flight ended, p, p-perp, T, R, and
// where it ended), as many pages as they fill; none when no event has a key.
// Returns the number of pages, or 0 when the file could not be written.
int WriteHandout(const std::string& path, const std::vector<HandoutEvent>& events, HandoutProjection projection);
