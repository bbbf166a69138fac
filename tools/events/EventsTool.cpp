#include "tools/events/EventsTool.h"

#include "tools/events/EventsCommandLine.h"
#ifdef TRACELUME_HAS_RENDER
#include "tools/events/RenderCommand.h"
#endif

#include <ostream>

#ifndef TRACELUME_VERSION
#error "TRACELUME_VERSION is set by the build"
#endif

namespace {

using CommandFunction = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

struct Subcommand {
    const char* name;
    const char* usage; // the arguments after the name, and any lines that explain them
    CommandFunction run;
};

const Subcommand kSubcommands[] = {
    {"generate", "TYPE [--seed S] [--count K] [--B KG] [--T MEV] [--L M] [-o DIR] [--truth]", RunGenerateCommand},
    {"show", "FILE [--points]", RunShowCommand},
#ifdef TRACELUME_HAS_RENDER
    {"render", "FILE -o OUT.png [--view chamber|projector] [--plane xy|yz|xz] [--zoom 1|2|3] [--scale 1|2|3|4]",
     RunRenderCommand},
    {"print",
     "DIR -o OUT.pdf [--plane xy|yz|xz] [--zoom 1|2|3]\n"
     "           a handout: a page per DIR/event-NNNN.cwd (seed, number, conditions, a name line,\n"
     "           chamber, Projector), then answer sheets from the event-NNNN.csv keys of generate\n"
     "           --truth; a file without its key is printed with the number in its name and no seed",
     RunPrintCommand},
#endif
};

const Subcommand* FindSubcommand(const std::string& name)
{
    for (const Subcommand& command : kSubcommands) {
        if (name == command.name)
            return &command;
    }
    return nullptr;
}

int UsageFailure(const std::string& reason, std::ostream& err)
{
    err << "tracelume-events: " << reason << "\n" << UsageText();
    return kExitUsage;
}

} // namespace

std::string UsageText()
{
    std::string text;
    const char* lead = "usage: ";
    for (const Subcommand& command : kSubcommands) {
        text += std::string(lead) + "tracelume-events " + command.name + " " + command.usage + "\n";
        lead = "       ";
    }
    text += std::string(lead) + "tracelume-events --help | --version\n";
    return text;
}

int RunEventsTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty())
        return UsageFailure("missing command", err);
    const std::string& first = args.front();
    if (first == "--help" && args.size() == 1) {
        out << UsageText();
        return kExitOk;
    }
    if (first == "--version" && args.size() == 1) {
        out << "tracelume-events " << TRACELUME_VERSION << "\n";
        return kExitOk;
    }
    const Subcommand* command = FindSubcommand(first);
    if (!command)
        return UsageFailure((first.starts_with("-") ? "unknown option: " : "unknown command: ") + first, err);
    return command->run({args.begin() + 1, args.end()}, out, err);
}

int ReportUsageOrHelp(const UsageError* usage, std::ostream& out, std::ostream& err)
{
    if (!usage) {
        out << UsageText();
        return kExitOk;
    }
    return UsageFailure(usage->reason, err);
}
