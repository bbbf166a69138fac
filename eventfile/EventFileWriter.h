#pragma once

#include "eventfile/FileMessages.h"
#include "eventfile/ReplacingFile.h"
#include "physics/ChamberData.h"
#include "physics/ChamberEvent.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The 53-byte head of a kind 'W' file: the kind byte, the 48-byte image of the conditions
// and the point count. The image holds L, B, T, scale and the conditions' changed flag as
// they are in memory; its not-significant words are written as 0. The main frame saves its
// current conditions, whose changed flag is 1 once the sliders moved; a generated event saved
// by the tools carries 0. Readers ignore the flag.
std::vector<uint8_t> EncodeWHeader(const ChamberData& conditions, int32_t pointCount);

// The points of a kind 'W' file, 48 bytes each: x, y, z, w and spare as stored, the colour,
// and a padding word written as 0.
std::vector<uint8_t> EncodeWPoints(std::span<const TrackPoint> points);

// A whole kind 'W' file: header then points, 53 + 48 N bytes.
std::vector<uint8_t> EncodeEventFile(const ChamberData& conditions, std::span<const TrackPoint> points);

// Writes a kind 'W' file of the event to target: open, then the kind byte and the conditions
// image, then the count and the points, then commit. More than kMaxEventPoints points fail the
// write stage before anything is opened, as a reader would refuse the file. Returns the stage and cause of a
// failure, or nothing when the file was written and closed.
std::optional<WriteFailure> SaveEvent(SaveTarget& target, const ChamberData& conditions,
                                      std::span<const TrackPoint> points);

// SaveEvent to the file at path through a ReplacingFile.
std::optional<WriteFailure> SaveEventFile(const std::string& path, const ChamberData& conditions,
                                          std::span<const TrackPoint> points);

// The valid points of a list, for the savers above.
inline std::span<const TrackPoint> PointsOf(const PointList& list)
{
    return {list.Data(), static_cast<std::size_t>(list.Count())};
}
