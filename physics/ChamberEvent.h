#pragma once

#include "physics/ChamberData.h"

#include <cstdint>
#include <memory>

// One dot of a track. 48 bytes, the same layout in memory and in event files.
struct TrackPoint {
    double x = 0.0;      // display units
    double y = 0.0;      // display units
    double z = 0.0;      // display units
    double w = 1.0;      // homogeneous coordinate, always 1 for generated points
    double spare = 0.0;  // never read; carried through files unchanged
    int32_t colour = 0;  // colour id, 3 to 7 for generated points
    int32_t padding = 0; // not significant
};
static_assert(sizeof(TrackPoint) == 48, "TrackPoint must keep the 48-byte file layout");

// The five point colours. A file can hold any colour id; only these have a colour.
enum PointColour : int32_t {
    kRed = 3,
    kYellow = 4,
    kGreen = 5,
    kBlue = 6,
    kLightBlue = 7,
};
constexpr int32_t kFirstPointColour = kRed;
constexpr int32_t kLastPointColour = kLightBlue;
inline bool HasPointColour(int32_t colour) { return colour >= kFirstPointColour && colour <= kLastPointColour; }

// A list of points with a capacity fixed at construction; it never grows.
class PointList {
public:
    explicit PointList(int capacity);
    PointList(const PointList&) = delete;
    PointList& operator=(const PointList&) = delete;

    int Count() const { return count_; }
    int Capacity() const { return capacity_; }
    bool Full() const { return count_ >= capacity_; }

    // Appends a point; a call on a full list is a programmer error and is ignored.
    void Append(const TrackPoint& point);
    const TrackPoint& Last() const;
    // Sets the number of valid points (0 to capacity); the stepping operations write points
    // in place first and then fix the count.
    void SetCount(int count);

    TrackPoint& operator[](int i) { return items_[i]; }
    const TrackPoint& operator[](int i) const { return items_[i]; }
    TrackPoint* Data() { return items_.get(); }
    const TrackPoint* Data() const { return items_.get(); }
    const TrackPoint* begin() const { return items_.get(); }
    const TrackPoint* end() const { return items_.get() + count_; }

private:
    std::unique_ptr<TrackPoint[]> items_;
    int count_ = 0;
    int capacity_ = 0;
};

// A particle event: the points in drawing order and the conditions it belongs to (not owned).
class ChamberEvent {
public:
    // A generated event: capacity ChamberData::EventCapacity().
    explicit ChamberEvent(const ChamberData* chamber);
    // An event read from a file: capacity = the stored point count.
    ChamberEvent(int capacity, const ChamberData* chamber);

    PointList& Points() { return points_; }
    const PointList& Points() const { return points_; }
    const ChamberData* Chamber() const { return chamber_; }

private:
    PointList points_;
    const ChamberData* chamber_;
};
