// tracelume-events render FILE -o OUT.png: the Particle Chamber's first showing of an event
// file, or the Projector's picture of it, drawn headless by the windows' own drawing code at
// one to four times their pixels and saved as a PNG.

#include "tools/events/RenderCommand.h"

#include "display/ChamberPicture.h"
#include "display/ProjectorView.h"
#include "platform/gfx/Gdi.h"
#include "platform/gfx/GuiApplication.h"
#include "platform/gfx/ImageFile.h"
#include "tools/events/EventReading.h"
#include "tools/events/EventsCommandLine.h"
#include "tools/events/EventsTool.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <ostream>
#include <variant>
#include <string>
#include <vector>

namespace {

constexpr int kFailure = kExitFailure;

std::optional<PixelImage> DrawPicture(const RenderOptions& options, const StoredEvent& stored)
{
    ChamberData conditions = stored.conditions;
    const std::shared_ptr<const ChamberEvent> event = MakeChamberEvent(stored, &conditions);
    if (options.view == RenderView::Projector)
        return DrawProjection(event, conditions, ProjectorPlane(options.plane), options.zoom, options.scale);
    return DrawFirstShowing(event, conditions, options.scale);
}

} // namespace

int32_t ProjectorPlane(RenderPlane plane)
{
    switch (plane) {
    case RenderPlane::YZ: return ProjectorView::kYZ;
    case RenderPlane::XZ: return ProjectorView::kXZ;
    case RenderPlane::XY: break;
    }
    return ProjectorView::kXY;
}

int RunRenderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const RenderArgs parsed = ParseRenderArgs(args);
    const auto* options = std::get_if<RenderOptions>(&parsed);
    if (!options)
        return ReportUsageOrHelp(std::get_if<UsageError>(&parsed), out, err);
    const std::optional<StoredEvent> stored = ReadEventAsShown(options->eventFile, err);
    if (!stored)
        return kFailure;
    if (!platform::EnsureGuiApplication()) {
        std::fprintf(stderr, "render: no application object for drawing text\n");
        return kFailure;
    }
    const std::optional<PixelImage> picture = DrawPicture(*options, *stored);
    if (!picture) {
        std::fprintf(stderr, "render: cannot make the picture at scale %d\n", options->scale);
        return kFailure;
    }
    if (!platform::SavePng(*picture, options->pngFile)) {
        std::fprintf(stderr, "render: cannot write %s\n", options->pngFile.c_str());
        return kFailure;
    }
    return 0;
}
