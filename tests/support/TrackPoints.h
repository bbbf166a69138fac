#pragma once

#include "physics/ChamberEvent.h"

#include <cstdint>

// A track point at (x, y, z), in display units, with w = 1.
inline TrackPoint MakePoint(double x, double y, double z, int32_t colour, double spare = 0.0)
{
    TrackPoint p;
    p.x = x;
    p.y = y;
    p.z = z;
    p.spare = spare;
    p.colour = colour;
    return p;
}
