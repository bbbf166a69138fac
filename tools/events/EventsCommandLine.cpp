#include "tools/events/EventsCommandLine.h"

#include "physics/ConditionLimits.h"

#include <algorithm>
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

struct RenderChoiceOption {
    const char* name;
    std::span<const Choice> choices;
    void (*set)(RenderOptions&, int);
};
const RenderChoiceOption kRenderChoices[] = {
    {"--view", kViews, [](RenderOptions& o, int v) { o.view = RenderView(v); }},
    {"--plane", kPlanes, [](RenderOptions& o, int v) { o.plane = RenderPlane(v); }},
    {"--zoom", kZooms, [](RenderOptions& o, int v) { o.zoom = v; }},
    {"--scale", kScales, [](RenderOptions& o, int v) { o.scale = v; }},
};

std::optional<std::string> SetRenderChoice(const RenderChoiceOption& option, const std::string& value,
                                           RenderOptions& options)
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

// One argument of render (with its value); projectorOnly notes an option that needs the Projector.
std::optional<std::string> TakeRenderArg(ArgCursor& cursor, RenderOptions& options, bool& projectorOnly)
{
    const std::string& arg = cursor.Take();
    if (!LooksLikeOption(arg)) {
        if (!options.eventFile.empty())
            return "unexpected argument: " + arg;
        options.eventFile = arg;
        return std::nullopt;
    }
    const RenderChoiceOption* choice = FindNamed(kRenderChoices, arg);
    if (!choice && arg != "-o")
        return "unknown option: " + arg;
    const std::optional<std::string> value = cursor.TakeValue();
    if (!value)
        return "missing value for " + arg;
    if (choice) {
        projectorOnly = projectorOnly || arg == "--plane" || arg == "--zoom";
        return SetRenderChoice(*choice, *value, options);
    }
    if (!options.pngFile.empty())
        return "-o given twice";
    options.pngFile = *value;
    return value->empty() ? std::optional<std::string>("empty file name for -o") : std::nullopt;
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
    bool projectorOnly = false;
    ArgCursor cursor(args);
    while (!cursor.Done()) {
        if (std::optional<std::string> reason = TakeRenderArg(cursor, options, projectorOnly))
            return UsageError{*reason};
    }
    if (options.eventFile.empty())
        return UsageError{"missing file"};
    if (options.pngFile.empty())
        return UsageError{"missing -o OUT.png"};
    if (projectorOnly && options.view != RenderView::Projector)
        return UsageError{"--plane and --zoom go with --view projector"};
    return options;
}
