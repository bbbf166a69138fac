#pragma once

#include <string>
#include <vector>

// tracelume-events render FILE -o OUT.png: draws the event of FILE as the Particle Chamber
// shows it. Present only in builds with the display layer (TRACELUME_HAS_RENDER). Takes the
// arguments after "render" and returns the process exit code.
int RunRenderCommand(const std::vector<std::string>& args);
