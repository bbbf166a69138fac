#include "display/TapeMeasure.h"

#include <cmath>

void TapeMeasure::SetStart(Point point)
{
    start = point;
    SetEnd(point);
}

void TapeMeasure::SetEnd(Point point)
{
    end = point;
    bounds = {start.x, start.y, end.x, end.y};
    bounds.Normalize();
    bounds = {bounds.left - 2, bounds.top - 2, bounds.right + 2, bounds.bottom + 2};
}

double TapeMeasure::Length() const
{
    // The bounds are 2 pixels wider than the line on each side.
    const double dx = bounds.Width() - 4;
    const double dy = bounds.Height() - 4;
    return scale * std::sqrt(dx * dx + dy * dy);
}
