#pragma once

#include "platform/gfx/Colour.h"
#include "platform/gfx/Geometry.h"

#include <cstdint>
#include <string>

class CDC;
class ProjectorShowCanvas;

// What the Projector's pictures that leave the window carry besides the points (Print, Export
// Picture, tracelume-events render and print): the plane and zoom they show, "X-Y plane,
// zoom 2", and a scale bar, in one line in a corner of the pane where no point lies; at zoom 1
// and the home pan that is below the chamber's outline. The window itself names the plane and
// the zoom in its controls, and its picture stays as it is.

// "X-Y plane, zoom 2" for a ProjectorView::Plane and a zoom.
std::string ProjectorPlaneLabel(int32_t plane, double zoom);

// The bar's length on the chamber (cm) and on the pane (pixels), and its label.
struct ScaleBar {
    double centimetres = 0.0;
    int pixels = 0; // 0: no bar (no scale)
    std::string label;
};
constexpr int kMinScaleBarPixels = 16;
constexpr int kMaxScaleBarPixels = 240;
// The bar for the tape's scale (cm per pixel, L / (zoom x 400)): 100 cm, 100 / scale pixels
// truncated, when that is kMinScaleBarPixels to kMaxScaleBarPixels long; otherwise the longest
// of 1, 2 and 5 times a power of ten centimetres that is at most kMaxScaleBarPixels.
ScaleBar ChooseScaleBar(double centimetresPerPixel);

// Draws the plane label and the scale bar of pane in ink on dc, whose logical origin is the
// pane's top-left corner, within the first area.width x area.height pixels of the pane. The
// bar's end ticks stand bar.pixels apart, as the tape's start and end pixels would.
void DrawProjectorLabels(CDC& dc, const ProjectorShowCanvas& pane, int32_t plane, Size area, Colour ink);
