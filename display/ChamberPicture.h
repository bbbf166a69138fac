#pragma once

#include "physics/ChamberData.h"
#include "platform/gfx/Gdi.h"
#include "platform/gfx/Geometry.h"

#include <cstdint>
#include <memory>
#include <optional>

class CDC;
class ScreenBox;
class ScreenChamber;
class ChamberEvent;

// The Particle Chamber's picture, 640 x 500 pixels with the chamber centre at (322, 223).
constexpr int kChamberPictureWidth = 640;
constexpr int kChamberPictureHeight = 500;
// Edge of the chamber cube the window draws, in display units: the chamber's size.
constexpr double kChamberBoxSize = ChamberData::kDefaultSize;

// Where a surface's last box picture drew (logical coordinates); the rest of the surface is
// still black from that picture. Unknown until a picture has been drawn.
struct BoxPictureInk {
    bool known = false;
    Rect bounds;
};

// The back-buffer picture of every box view: the whole width x height area black, then the
// box (and, for a chamber, its points) drawn over it. With the ink of the surface's last box
// picture (nothing else having drawn on the surface since), only that ink is cleared: the same
// picture for a fraction of the writes. The ink is then where this picture drew.
void DrawBoxPicture(CDC& dc, ScreenBox& box, int width, int height, BoxPictureInk* ink = nullptr);

// The caption of the chamber with the given conditions: B, T and L converted from cm to m.
void DrawConditionsCaption(CDC& dc, ScreenChamber& chamber, const ChamberData& conditions);

// The Particle Chamber's first showing of an event, as a 640 x 500 picture drawn at scale
// times its pixels (1 to 4, platform/gfx/ScaledDC.h): the starting orientation, black
// background, box with axes, every point at once, and the caption with the given conditions.
// Nothing for a scale out of range.
std::optional<PixelImage> DrawFirstShowing(std::shared_ptr<const ChamberEvent> event, const ChamberData& conditions,
                                           int scale = 1);

// The Projector's picture pane for an event, as the window shows it on the given plane
// (ProjectorView::Plane) and zoom (1, 2 or 3) at the home pan, without a tape line: 480 x 440
// pixels at scale times its pixels (1 to 4). Nothing for a scale out of range.
std::optional<PixelImage> DrawProjection(std::shared_ptr<const ChamberEvent> event, const ChamberData& conditions,
                                         int32_t plane, double zoom, int scale = 1);
