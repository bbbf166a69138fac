#pragma once

#include "physics/ChamberEvent.h"

#include <cmath>
#include <vector>

// Small readers of generated events shared by the generator tests.

inline std::vector<int32_t> Colours(const PointList& points)
{
    std::vector<int32_t> colours;
    for (const TrackPoint& point : points)
        colours.push_back(point.colour);
    return colours;
}

inline int CountColour(const PointList& points, int32_t colour)
{
    int n = 0;
    for (const TrackPoint& point : points)
        n += point.colour == colour;
    return n;
}

inline double Distance(const TrackPoint& a, const TrackPoint& b)
{
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
}

inline bool AllFinite(const PointList& points)
{
    for (const TrackPoint& point : points) {
        if (!std::isfinite(point.x) || !std::isfinite(point.y) || !std::isfinite(point.z))
            return false;
    }
    return true;
}
