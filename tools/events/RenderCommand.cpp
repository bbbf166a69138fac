// tracelume-events render FILE -o OUT.png: the Particle Chamber's first showing of an event
// file, drawn headless by the chamber's own drawing code and saved as a PNG.

#include "tools/events/RenderCommand.h"

#include "display/ChamberPicture.h"
#include "eventfile/EventFileReader.h"
#include "eventfile/FileMessages.h"
#include "platform/gfx/Gdi.h"
#include "platform/gfx/GuiApplication.h"
#include "platform/gfx/ImageFile.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

struct RenderArguments {
    std::string eventFile;
    std::string pngFile;
};

constexpr int kUsageError = 2;
constexpr int kFailure = 1;

// The words after "render": one event file and "-o" with the output file, in either order.
std::optional<RenderArguments> ParseArguments(const std::vector<std::string>& args)
{
    RenderArguments parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size() && parsed.pngFile.empty())
            parsed.pngFile = args[++i];
        else if (args[i] != "-o" && parsed.eventFile.empty())
            parsed.eventFile = args[i];
        else
            return std::nullopt;
    }
    if (parsed.eventFile.empty() || parsed.pngFile.empty())
        return std::nullopt;
    return parsed;
}

void ReportMessage(const FileMessage& message)
{
    std::fprintf(stderr, "%s: %s\n", message.caption.c_str(), message.text.c_str());
}

// The stored event with the conditions the main frame would install; a negative field is
// flipped and reported, as the program does.
std::optional<StoredEvent> ReadStoredEvent(const std::string& path)
{
    ReadOutcome outcome = LoadEventFile(path);
    if (!outcome.Ok()) {
        ReportMessage(ReadFailureMessage(outcome.failure, OpenOrigin::Menu));
        return std::nullopt;
    }
    if (outcome.closeCause != FileCause::None)
        ReportMessage(ReadCloseFailureMessage(outcome.closeCause));
    StoredEvent stored = std::move(*outcome.event);
    if (stored.HasNegativeField()) {
        ReportMessage(NegativeFieldMessage());
        stored.conditions.SetB(-stored.conditions.B());
    }
    return stored;
}

} // namespace

int RunRenderCommand(const std::vector<std::string>& args)
{
    const std::optional<RenderArguments> parsed = ParseArguments(args);
    if (!parsed) {
        std::fprintf(stderr, "usage: tracelume-events render FILE -o OUT.png\n");
        return kUsageError;
    }
    const std::optional<StoredEvent> stored = ReadStoredEvent(parsed->eventFile);
    if (!stored)
        return kFailure;
    if (!platform::EnsureGuiApplication()) {
        std::fprintf(stderr, "render: no application object for drawing text\n");
        return kFailure;
    }
    ChamberData conditions = stored->conditions;
    const std::shared_ptr<const ChamberEvent> event = MakeChamberEvent(*stored, &conditions);
    const std::optional<PixelImage> picture = DrawFirstShowing(event, conditions);
    if (!picture) {
        std::fprintf(stderr, "render: cannot make a %d x %d picture\n", kChamberPictureWidth, kChamberPictureHeight);
        return kFailure;
    }
    if (!platform::SavePng(*picture, parsed->pngFile)) {
        std::fprintf(stderr, "render: cannot write %s\n", parsed->pngFile.c_str());
        return kFailure;
    }
    return 0;
}
