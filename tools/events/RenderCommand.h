#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

// tracelume-events render FILE -o OUT.png [options]: draws the event of FILE as the Particle
// Chamber (or, with --view projector, the Projector) shows it. Present only in builds with the
// display layer (TRACELUME_HAS_RENDER). Takes the arguments after "render" and returns the
// process exit code; usage errors go to err with status 2.
int RunRenderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

enum class RenderPlane;
// The ProjectorView::Plane of a plane given on the command line.
int32_t ProjectorPlane(RenderPlane plane);

// tracelume-events print DIR -o OUT.pdf [--plane P] [--zoom Z]: the handout of a lesson set
// (tools/events/Handout.h). Present with render; same exit codes.
int RunPrintCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
