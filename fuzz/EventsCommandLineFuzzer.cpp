// Any argument list for tracelume-events: one argument per NUL-terminated string of the input.
// Parsing never runs a command, so nothing is written or read; what it accepts must be runnable.
#include "physics/ConditionLimits.h"
#include "tools/events/EventsCommandLine.h"
#include "tools/events/EventsTool.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

std::vector<std::string> SplitArguments(const uint8_t* data, size_t size)
{
    std::vector<std::string> args;
    std::string arg;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.push_back(std::move(arg));
            arg.clear();
        } else {
            arg.push_back(static_cast<char>(data[i]));
        }
    }
    if (!arg.empty())
        args.push_back(std::move(arg));
    return args;
}

void CheckGenerate(const std::vector<std::string>& args)
{
    const GenerateArgs parsed = ParseGenerateArgs(args);
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        Require(!usage->reason.empty(), "a usage error says why");
        return;
    }
    const auto* options = std::get_if<GenerateOptions>(&parsed);
    if (!options)
        return;
    Require(options->decayType >= 1 && options->decayType <= 6, "decay type 1 to 6");
    Require(options->count >= 1, "at least one event");
    Require(!ConditionsOutOfBounds(options->lengthCm, options->fieldKG, options->energyMeV),
            "conditions within the bounds the event files are read with");
    Require(!options->directory.empty(), "a directory to write into");
}

void CheckShow(const std::vector<std::string>& args)
{
    const ShowArgs parsed = ParseShowArgs(args);
    if (const auto* usage = std::get_if<UsageError>(&parsed))
        Require(!usage->reason.empty(), "a usage error says why");
}

bool IsCommand(const std::string& word) { return word == "generate" || word == "show" || word == "render"; }

// Everything the tool answers without running a command: help, version and usage errors.
void CheckTool(const std::vector<std::string>& args)
{
    if (!args.empty() && IsCommand(args.front()))
        return;
    std::ostringstream out;
    std::ostringstream err;
    const int exit = RunEventsTool(args, out, err);
    if (exit == kExitOk) {
        Require(!out.str().empty() && err.str().empty(), "help and version print on out only");
        return;
    }
    Require(exit == kExitUsage, "anything else is a usage error");
    const std::string message = err.str();
    Require(out.str().empty() && message.starts_with("tracelume-events: ") && message.ends_with(UsageText()),
            "a usage error prints its reason and the usage on err");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<std::string> args = SplitArguments(data, size);
    CheckGenerate(args);
    CheckShow(args);
    CheckTool(args);
    if (!args.empty()) {
        const std::vector<std::string> afterCommand(args.begin() + 1, args.end());
        CheckGenerate(afterCommand);
        CheckShow(afterCommand);
    }
    return 0;
}
