#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// What the command line asks of the program. The whole command-line text names an event file to
// open, as the desktop passes it. Only when no file matches the whole text does a leading option
// count: "--seed N" starts the random source from N (0 to 4294967295) instead of the clock, and
// the text after it names the file; "--lesson" opens the Lesson Seed dialog at start-up; "--help" and
// "--version" print and end the program.
struct StartupOptions {
    std::optional<uint32_t> seed;
    bool help = false;
    bool version = false;
    // "--lesson": the Lesson Seed dialog opens once the program has started (the desktop's
    // "Start a Lesson" action).
    bool askLessonSeed = false;
    // The text that names the event file to open; empty for none.
    std::string fileName;
    // Set when a leading option is malformed ("--seed" without a whole number): the text says why.
    std::string error;
};

// fileExists tells whether some file matches a command-line text (the program's search for it).
StartupOptions ParseStartupOptions(const std::string& commandLine,
                                   const std::function<bool(const std::string&)>& fileExists);

// The text --help prints.
std::string StartupUsage();
// The text --version prints.
std::string StartupVersion();
