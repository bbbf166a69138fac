#include "physics/Generators.h"
#include "physics/Random.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

// Counts the allocations of the whole test program, so that a generator that allocated per
// point would show up as a count that grows with the event.

namespace {
std::atomic<long> allocations{0};
}

namespace {
void* CountedAllocation(std::size_t size)
{
    ++allocations;
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}
} // namespace

// Both forms are replaced: a sanitizer runtime supplies its own array form otherwise.
void* operator new(std::size_t size) { return CountedAllocation(size); }
void* operator new[](std::size_t size) { return CountedAllocation(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

TEST(Allocation, GenerationAllocatesPerListNotPerPoint)
{
    // The event, its list, and at most two pairs of temporary lists (type 3 with two pairs).
    constexpr long kMostPerEvent = 8;
    const ChamberData conditions[] = {{500.0, 0.8, 0.6}, {500.0, 0.0, 0.6}, {500.0, 100.0, 0.6}};
    int longEvents = 0;
    for (const ChamberData& chamber : conditions) {
        for (int type = 1; type <= 6; ++type) {
            DecayGenerator generator(type);
            for (int i = 0; i < 100; ++i) {
                const long before = allocations.load();
                const auto event = generator.GenerateDecay(type, chamber);
                const long made = allocations.load() - before;
                ASSERT_LE(made, kMostPerEvent) << "type " << type << " with " << event->Points().Count() << " points";
                ASSERT_GE(made, 2);
                longEvents += event->Points().Count() > 100;
            }
        }
    }
    EXPECT_GT(longEvents, 50);
}
