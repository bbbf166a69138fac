#include "physics/ChamberEvent.h"

#include <cassert>

PointList::PointList(int capacity)
    : items_(std::make_unique<TrackPoint[]>(capacity > 0 ? capacity : 0)), capacity_(capacity > 0 ? capacity : 0)
{
    assert(capacity >= 0 && "PointList: a negative capacity means an unchecked count");
}

void PointList::Append(const TrackPoint& point)
{
    assert(count_ < capacity_ && "PointList::Append: callers check Full() first");
    if (count_ < capacity_)
        items_[count_++] = point;
}

const TrackPoint& PointList::Last() const
{
    assert(count_ > 0 && "PointList::Last: the list is empty");
    return items_[count_ > 0 ? count_ - 1 : 0];
}

void PointList::SetCount(int count)
{
    assert(count >= 0 && count <= capacity_ && "PointList::SetCount: count outside 0..capacity");
    count_ = count < 0 ? 0 : (count > capacity_ ? capacity_ : count);
}

ChamberEvent::ChamberEvent(const ChamberData* chamber)
    : ChamberEvent(ChamberData::EventCapacity(), chamber)
{
}

ChamberEvent::ChamberEvent(int capacity, const ChamberData* chamber)
    : points_(capacity), chamber_(chamber)
{
}
