#pragma once

#include "physics/ChamberData.h"
#include "physics/ChamberEvent.h"
#include "physics/Generators.h"

#include <array>
#include <cstdint>
#include <memory>

// Events numbered as a lesson numbers them: event k of a decay type under a seed is the k-th
// event that a generator seeded alike makes of that type, one after another under the same
// conditions, which is what `tracelume-events generate TYPE --seed SEED` writes as
// event-000k. Each decay type counts on its own, so a class that switches between types still
// finds every event by its seed, type and number.
//
// Each type keeps its generator where it stopped; when the seed or the conditions differ from
// those it ran under, it starts again from the seed and passes over the events before the one
// asked for.
class LessonEvents {
public:
    static constexpr int kFirstNumber = 1;
    // The highest event number a lesson can ask for: passing over the events before it stays
    // well under a second.
    static constexpr int kLastNumber = 9999;

    explicit LessonEvents(uint32_t seed = 0) { Start(seed, kFirstNumber); }

    // From now on every type's next event is event `number` (clamped to the lesson's range)
    // under seed.
    void Start(uint32_t seed, int number);

    // Makes the next event of decay type 1 to 6 and moves that type on by one. Null for any
    // other type or when memory ran out; the type moves on all the same.
    std::unique_ptr<ChamberEvent> Next(int decayType, const ChamberData& conditions);

    uint32_t Seed() const { return seed_; }
    // The number the next event of the type will have.
    int NextNumber(int decayType) const;

private:
    struct TypeStream {
        DecayGenerator generator;
        int made = 0;               // events the generator made since its seed
        ChamberData conditions;     // the conditions it made them under
        int next = kFirstNumber;    // the number of the type's next event
    };

    static bool SameConditions(const ChamberData& a, const ChamberData& b);

    uint32_t seed_ = 0;
    std::array<TypeStream, 6> types_;
};
