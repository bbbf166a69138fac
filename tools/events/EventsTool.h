#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// tracelume-events: makes event files from the decay generators and shows what files hold.

// Exit codes of the tool.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1; // a file could not be read or written
constexpr int kExitUsage = 2;   // the arguments cannot be run

// The usage lines, one per form of the command, ending in a newline.
std::string UsageText();

// Runs the tool with the arguments after the program name.
int RunEventsTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The subcommands, with the arguments after their name.
int RunGenerateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunShowCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

struct UsageError;
// What a subcommand does when its arguments are not runnable: with a usage error, the reason
// and the usage on err (exit 2); without one, --help was asked for: the usage on out (exit 0).
int ReportUsageOrHelp(const UsageError* usage, std::ostream& out, std::ostream& err);
