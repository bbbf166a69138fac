#include "tools/events/EventsCommandLine.h"

#include "physics/ConditionLimits.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <span>

namespace {

constexpr int kFirstDecayType = 1;
constexpr int kLastDecayType = 6;

template <typename Number>
std::optional<Number> ParseWhole(const std::string& text)
{
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

// Walks the arguments, handing out option values and positional arguments.
class ArgCursor {
public:
    explicit ArgCursor(const std::vector<std::string>& args) : args_(args) {}
    bool Done() const { return next_ >= args_.size(); }
    const std::string& Take() { return args_[next_++]; }
    std::optional<std::string> TakeValue()
    {
        if (Done())
            return std::nullopt;
        return Take();
    }

private:
    const std::vector<std::string>& args_;
    std::size_t next_ = 0;
};

bool LooksLikeOption(const std::string& arg) { return arg.size() > 1 && arg[0] == '-'; }

// The entry of a table of options whose name is `arg`, or null.
template <typename Option, std::size_t N>
const Option* FindNamed(const Option (&table)[N], const std::string& arg)
{
    const auto found = std::find_if(std::begin(table), std::end(table),
                                    [&](const Option& option) { return arg == option.name; });
    return found == std::end(table) ? nullptr : &*found;
}

// An option of generate that sets a condition: the unit it is given in, the unit the chamber
// keeps it in and the factor between them.
struct ConditionOption {
    const char* name;
    const char* unit;
    const char* chamberUnit;
    double factor;
    double GenerateOptions::*field;
};
constexpr double kCentimetresPerMetre = 100.0;
constexpr ConditionOption kConditionOptions[] = {
    {"--B", "kG", "kG", 1.0, &GenerateOptions::fieldKG},
    {"--T", "MeV", "MeV", 1.0, &GenerateOptions::energyMeV},
    {"--L", "m", "cm", kCentimetresPerMetre, &GenerateOptions::lengthCm},
};

// Sets one option of generate; returns a reason when it cannot.
std::optional<std::string> SetNumberOption(const std::string& option, const std::string& value,
                                           GenerateOptions& options)
{
    const std::string notNumber = "not a number for " + option + ": " + value;
    if (option == "--seed") {
        options.seed = ParseSeed(value);
        return options.seed ? std::nullopt : std::optional(notNumber + " (0 to 4294967295)");
    }
    if (option == "--count") {
        const std::optional<int> count = ParseInt(value);
        if (!count)
            return notNumber;
        if (*count < 1)
            return "count must be at least 1: " + value;
        options.count = *count;
        return std::nullopt;
    }
    const std::optional<double> number = ParseFiniteDouble(value);
    if (!number)
        return notNumber;
    const ConditionOption* condition = FindNamed(kConditionOptions, option);
    if (!condition)
        return "unknown option: " + option;
    // Checked after the conversion: a length in metres can overflow in centimetres.
    const double converted = *number * condition->factor;
    if (!std::isfinite(converted))
        return option.substr(2) + " = " + value + " " + condition->unit + " overflows in " + condition->chamberUnit;
    options.*condition->field = converted;
    return std::nullopt;
}

std::optional<std::string> SetDecayType(const std::string& arg, std::optional<int>& decayType)
{
    if (decayType)
        return "unexpected argument: " + arg;
    const std::optional<int> type = ParseInt(arg);
    if (!type)
        return "not a number for TYPE: " + arg;
    if (*type < kFirstDecayType || *type > kLastDecayType)
        return "decay type must be 1 to 6: " + arg;
    decayType = type;
    return std::nullopt;
}

std::optional<std::string> TakeGenerateArg(ArgCursor& cursor, GenerateOptions& options, std::optional<int>& type)
{
    const std::string& arg = cursor.Take();
    if (!LooksLikeOption(arg))
        return SetDecayType(arg, type);
    if (arg == "--truth") {
        options.truth = true;
        return std::nullopt;
    }
    const bool numeric = arg == "--seed" || arg == "--count" || FindNamed(kConditionOptions, arg) != nullptr;
    if (!numeric && arg != "-o")
        return "unknown option: " + arg;
    const std::optional<std::string> value = cursor.TakeValue();
    if (!value)
        return "missing value for " + arg;
    if (arg == "-o") {
        options.directory = *value;
        return value->empty() ? std::optional<std::string>("empty directory for -o") : std::nullopt;
    }
    return SetNumberOption(arg, *value, options);
}

// The words a render option takes and what each stands for.
struct Choice {
    const char* word;
    int value;
};
constexpr Choice kViews[] = {{"chamber", int(RenderView::Chamber)}, {"projector", int(RenderView::Projector)}};
constexpr Choice kPlanes[] = {{"xy", int(RenderPlane::XY)}, {"yz", int(RenderPlane::YZ)}, {"xz", int(RenderPlane::XZ)}};
constexpr Choice kZooms[] = {{"1", 1}, {"2", 2}, {"3", 3}};
constexpr Choice kScales[] = {{"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}};

// An option of a drawing command that takes one of a few words.
template <typename Options>
struct ChoiceOption {
    const char* name;
    std::span<const Choice> choices;
    void (*set)(Options&, int);
};
const ChoiceOption<RenderOptions> kRenderChoices[] = {
    {"--view", kViews, [](RenderOptions& o, int v) { o.view = RenderView(v); }},
    {"--plane", kPlanes, [](RenderOptions& o, int v) { o.plane = RenderPlane(v); }},
    {"--zoom", kZooms, [](RenderOptions& o, int v) { o.zoom = v; }},
    {"--scale", kScales, [](RenderOptions& o, int v) { o.scale = v; }},
};
const ChoiceOption<PrintOptions> kPrintChoices[] = {
    {"--plane", kPlanes, [](PrintOptions& o, int v) { o.plane = RenderPlane(v); }},
    {"--zoom", kZooms, [](PrintOptions& o, int v) { o.zoom = v; }},
};

template <typename Options>
std::optional<std::string> SetChoice(const ChoiceOption<Options>& option, const std::string& value, Options& options)
{
    std::string words;
    for (const Choice& choice : option.choices) {
        if (value == choice.word) {
            option.set(options, choice.value);
            return std::nullopt;
        }
        words += (words.empty() ? "" : "|") + std::string(choice.word);
    }
    return std::string(option.name) + " takes " + words + ": " + value;
}

// Where a drawing command's own arguments go: what it draws (a file or a folder) and the file
// it writes, which must end in extension; choiceNames collects the choice options given.
struct DrawingTarget {
    std::string& input;
    std::string& output;
    const char* extension;
    std::vector<std::string> choiceNames;
};

bool EndsWithNoCase(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size() &&
           std::equal(ending.begin(), ending.end(), text.end() - std::ptrdiff_t(ending.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
                      });
}

// One argument of a drawing command, with its value.
template <typename Options, std::size_t N>
std::optional<std::string> TakeDrawingArg(ArgCursor& cursor, Options& options, const ChoiceOption<Options> (&table)[N],
                                          DrawingTarget& target)
{
    const std::string& arg = cursor.Take();
    if (!LooksLikeOption(arg)) {
        if (!target.input.empty())
            return "unexpected argument: " + arg;
        target.input = arg;
        return std::nullopt;
    }
    const ChoiceOption<Options>* choice = FindNamed(table, arg);
    if (!choice && arg != "-o")
        return "unknown option: " + arg;
    const std::optional<std::string> value = cursor.TakeValue();
    if (!value)
        return "missing value for " + arg;
    if (choice) {
        target.choiceNames.push_back(arg);
        return SetChoice(*choice, *value, options);
    }
    if (!target.output.empty())
        return "-o given twice";
    target.output = *value;
    return value->empty() ? std::optional<std::string>("empty file name for -o") : std::nullopt;
}

// All the arguments of a drawing command; inputName names what it draws in the reasons.
template <typename Options, std::size_t N>
std::optional<std::string> TakeDrawingArgs(const std::vector<std::string>& args, Options& options,
                                           const ChoiceOption<Options> (&table)[N], DrawingTarget& target,
                                           const char* inputName)
{
    ArgCursor cursor(args);
    while (!cursor.Done()) {
        if (std::optional<std::string> reason = TakeDrawingArg(cursor, options, table, target))
            return reason;
    }
    const std::string extension = target.extension;
    if (target.input.empty())
        return std::string("missing ") + inputName;
    if (target.output.empty())
        return "missing -o OUT" + extension;
    // Nothing is written under a name that promises another kind of file.
    if (!EndsWithNoCase(target.output, extension))
        return "-o writes " + extension + " files only: " + target.output;
    return std::nullopt;
}

bool WantsHelp(const std::vector<std::string>& args)
{
    for (const std::string& arg : args) {
        if (arg == "--help")
            return true;
    }
    return false;
}

} // namespace

std::optional<int> ParseInt(const std::string& text) { return ParseWhole<int>(text); }

std::optional<uint32_t> ParseSeed(const std::string& text) { return ParseWhole<uint32_t>(text); }

std::optional<double> ParseFiniteDouble(const std::string& text)
{
    const std::optional<double> value = ParseWhole<double>(text);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

GenerateArgs ParseGenerateArgs(const std::vector<std::string>& args)
{
    if (WantsHelp(args))
        return HelpRequest{};
    GenerateOptions options;
    std::optional<int> type;
    ArgCursor cursor(args);
    while (!cursor.Done()) {
        if (std::optional<std::string> reason = TakeGenerateArg(cursor, options, type))
            return UsageError{*reason};
    }
    if (!type)
        return UsageError{"missing decay type (1 to 6)"};
    // Every event file written must be one the program reads back and can show.
    if (std::optional<std::string> reason = ConditionsOutOfBounds(options.lengthCm, options.fieldKG, options.energyMeV))
        return UsageError{*reason};
    options.decayType = *type;
    return options;
}

ShowArgs ParseShowArgs(const std::vector<std::string>& args)
{
    if (WantsHelp(args))
        return HelpRequest{};
    ShowOptions options;
    bool haveFile = false;
    for (const std::string& arg : args) {
        if (arg == "--points") {
            options.listPoints = true;
        } else if (LooksLikeOption(arg)) {
            return UsageError{"unknown option: " + arg};
        } else if (haveFile) {
            return UsageError{"unexpected argument: " + arg};
        } else {
            options.file = arg;
            haveFile = true;
        }
    }
    if (!haveFile)
        return UsageError{"missing file"};
    return options;
}

RenderArgs ParseRenderArgs(const std::vector<std::string>& args)
{
    if (WantsHelp(args))
        return HelpRequest{};
    RenderOptions options;
    DrawingTarget target{options.eventFile, options.pngFile, ".png", {}};
    if (std::optional<std::string> reason = TakeDrawingArgs(args, options, kRenderChoices, target, "file"))
        return UsageError{*reason};
    const bool projectorOnly = std::any_of(target.choiceNames.begin(), target.choiceNames.end(),
                                           [](const std::string& name) { return name == "--plane" || name == "--zoom"; });
    if (projectorOnly && options.view != RenderView::Projector)
        return UsageError{"--plane and --zoom go with --view projector"};
    return options;
}

PrintArgs ParsePrintArgs(const std::vector<std::string>& args)
{
    if (WantsHelp(args))
        return HelpRequest{};
    PrintOptions options;
    DrawingTarget target{options.directory, options.pdfFile, ".pdf", {}};
    if (std::optional<std::string> reason = TakeDrawingArgs(args, options, kPrintChoices, target, "folder"))
        return UsageError{*reason};
    return options;
}
