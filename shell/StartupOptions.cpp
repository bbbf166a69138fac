#include "shell/StartupOptions.h"

#include <charconv>

namespace {

constexpr std::string_view kSeedOption = "--seed";

bool StartsWithWord(const std::string& text, std::string_view word)
{
    return text.compare(0, word.size(), word) == 0 && (text.size() == word.size() || text[word.size()] == ' ');
}

std::optional<uint32_t> WholeNumber(std::string_view text)
{
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

} // namespace

StartupOptions ParseStartupOptions(const std::string& commandLine,
                                   const std::function<bool(const std::string&)>& fileExists)
{
    StartupOptions options;
    if (commandLine.empty() || fileExists(commandLine)) {
        options.fileName = commandLine;
        return options;
    }
    if (commandLine == "--help") {
        options.help = true;
        return options;
    }
    if (commandLine == "--version") {
        options.version = true;
        return options;
    }
    if (commandLine == "--lesson") {
        options.askLessonSeed = true;
        return options;
    }
    if (!StartsWithWord(commandLine, kSeedOption)) {
        options.fileName = commandLine;
        return options;
    }
    const std::string rest = commandLine.size() > kSeedOption.size() ? commandLine.substr(kSeedOption.size() + 1) : "";
    const std::size_t space = rest.find(' ');
    options.seed = WholeNumber(std::string_view(rest).substr(0, space));
    if (!options.seed)
        options.error = "--seed needs a whole number from 0 to 4294967295";
    else if (space != std::string::npos)
        options.fileName = rest.substr(space + 1);
    return options;
}

std::string StartupUsage()
{
    return "Usage: tracelume [--seed N] [EVENT-FILE] | --lesson\n"
           "Tracelume makes particle decay events and shows their tracks in a 3-D chamber.\n"
           "  EVENT-FILE   an event file (.cwd) to open at start-up; the whole command line names it\n"
           "  --seed N     start the random source from N (0 to 4294967295), so that the same\n"
           "               seed makes the same events on every machine\n"
           "  --lesson     choose the lesson's seed and event number at start-up\n"
           "  --help       print this text\n"
           "  --version    print the version\n";
}

std::string StartupVersion() { return "tracelume " TRACELUME_VERSION "\n"; }
