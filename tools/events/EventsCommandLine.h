#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// The arguments of tracelume-events, parsed without side effects so that they can be tested
// on their own.

// Arguments that cannot be run; reason is one line for the user.
struct UsageError {
    std::string reason;
};

// Usage shown by --help and after a usage error.
struct HelpRequest {};

struct GenerateOptions {
    int decayType = 1;             // 1 to 6
    std::optional<uint32_t> seed;  // the random source's initial state; none: the calendar time
    int count = 1;                 // events, at least 1
    // The conditions, in the units the chamber keeps (the command line gives L in metres), within
    // the bounds of physics/ConditionLimits.h.
    double fieldKG = 0.8;          // B, kG
    double energyMeV = 0.6;        // T, MeV
    double lengthCm = 500.0;       // L, cm
    std::string directory = ".";
    bool truth = false;            // also write each event's truth as CSV beside it
};

struct ShowOptions {
    std::string file;
    bool listPoints = false;
};

enum class RenderView { Chamber, Projector };
enum class RenderPlane { XY, YZ, XZ };

struct RenderOptions {
    std::string eventFile;
    std::string pngFile;
    RenderView view = RenderView::Chamber;
    RenderPlane plane = RenderPlane::XY; // projector only
    int zoom = 1;                        // projector only: 1 to 3
    int scale = 1;                       // pixels of the picture per pixel of the window: 1 to 4
};

// tracelume-events print: the handout of a lesson set, one page per event of the folder.
struct PrintOptions {
    std::string directory;
    std::string pdfFile;
    RenderPlane plane = RenderPlane::XY; // the Projector's plane on each page
    int zoom = 1;                        // and its zoom: 1 to 3
};

using GenerateArgs = std::variant<GenerateOptions, HelpRequest, UsageError>;
using ShowArgs = std::variant<ShowOptions, HelpRequest, UsageError>;
using RenderArgs = std::variant<RenderOptions, HelpRequest, UsageError>;
using PrintArgs = std::variant<PrintOptions, HelpRequest, UsageError>;

// The arguments after "generate".
GenerateArgs ParseGenerateArgs(const std::vector<std::string>& args);
// The arguments after "show".
ShowArgs ParseShowArgs(const std::vector<std::string>& args);
// The arguments after "render": the event file, "-o" and the output file (.png), and the
// picture's options, in any order.
RenderArgs ParseRenderArgs(const std::vector<std::string>& args);
// The arguments after "print": the folder, "-o" and the output file (.pdf), --plane and --zoom.
PrintArgs ParsePrintArgs(const std::vector<std::string>& args);

// Strict number parsing: the whole text must be the number.
std::optional<int> ParseInt(const std::string& text);
std::optional<uint32_t> ParseSeed(const std::string& text);
// Finite numbers only.
std::optional<double> ParseFiniteDouble(const std::string& text);
