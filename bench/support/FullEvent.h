#pragma once

#include "physics/ChamberEvent.h"

#include <cmath>
#include <memory>

// A full event for the drawing benchmarks: three helices of 350 points in all, inside the
// cube, in the five point colours.
inline std::shared_ptr<ChamberEvent> MakeFullEvent(const ChamberData& conditions)
{
    auto event = std::make_shared<ChamberEvent>(&conditions);
    for (int i = 0; i < ChamberData::kEventCapacity; ++i) {
        const double turn = 0.06 * i;
        TrackPoint p;
        p.x = 250.0 * std::cos(turn) - 100.0 * (i % 3);
        p.y = -400.0 + 2.2 * i;
        p.z = 250.0 * std::sin(turn);
        p.colour = kFirstPointColour + i % 5;
        event->Points().Append(p);
    }
    return event;
}
