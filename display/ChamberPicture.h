#pragma once

#include "platform/Geometry.h"

class CDC;
class ScreenBox;
class ScreenChamber;
class ChamberData;

// The Particle Chamber's picture, 640 x 500 pixels with the chamber centre at (322, 223).
constexpr int kChamberPictureWidth = 640;
constexpr int kChamberPictureHeight = 500;
// Edge of the chamber cube the window draws, in display units.
constexpr double kChamberBoxSize = 800.0;

// The back-buffer picture of every box view: the whole width x height area black, then the
// box (and, for a chamber, its points) drawn over it.
void DrawBoxPicture(CDC& dc, ScreenBox& box, int width, int height);

// The caption of the chamber with the given conditions: B, T and L converted from cm to m.
void DrawConditionsCaption(CDC& dc, ScreenChamber& chamber, const ChamberData& conditions);
