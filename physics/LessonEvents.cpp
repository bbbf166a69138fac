#include "physics/LessonEvents.h"

#include <algorithm>

void LessonEvents::Start(uint32_t seed, int number)
{
    seed_ = seed;
    for (TypeStream& type : types_) {
        type.generator.Random().Seed(seed);
        type.made = 0;
        type.conditions = ChamberData();
        type.next = std::clamp(number, kFirstNumber, kLastNumber);
    }
}

int LessonEvents::NextNumber(int decayType) const
{
    if (decayType < 1 || decayType > int(types_.size()))
        return kFirstNumber;
    return types_[size_t(decayType - 1)].next;
}

std::unique_ptr<ChamberEvent> LessonEvents::Next(int decayType, const ChamberData& conditions)
{
    if (decayType < 1 || decayType > int(types_.size()))
        return nullptr;
    TypeStream& type = types_[size_t(decayType - 1)];
    const int number = type.next;
    type.next = std::min(number + 1, kLastNumber);
    if (type.made >= number || !SameConditions(type.conditions, conditions)) {
        type.generator.Random().Seed(seed_);
        type.made = 0;
        type.conditions = conditions;
    }
    for (; type.made < number - 1; ++type.made)
        type.generator.GenerateDecay(decayType, conditions);
    ++type.made;
    return type.generator.GenerateDecay(decayType, conditions);
}

bool LessonEvents::SameConditions(const ChamberData& a, const ChamberData& b)
{
    return a.Size() == b.Size() && a.L() == b.L() && a.B() == b.B() && a.T() == b.T() && a.Scale() == b.Scale();
}
