#pragma once

#include "eventfile/ByteSource.h"
#include "eventfile/FileMessages.h"
#include "physics/ChamberData.h"
#include "physics/ChamberEvent.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// An allocator whose construction without arguments leaves the storage as it is, so that a
// resize grows a vector without writing its new elements: the reader sizes the points' storage
// and then reads the file into it in one piece, and writing every point twice (value, then file
// bytes) cost a fifth of a read. Only for implicit-lifetime types whose every bit pattern the
// next write replaces; after such a resize the new elements hold whatever the storage held.
template <typename T>
struct UnwrittenGrowthAllocator {
    static_assert(std::is_aggregate_v<T> && std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>,
                  "the storage of a new element must be able to begin its life with any bytes");
    using value_type = T;

    UnwrittenGrowthAllocator() = default;
    template <typename U>
    UnwrittenGrowthAllocator(const UnwrittenGrowthAllocator<U>&) noexcept
    {
    }

    T* allocate(std::size_t count) { return std::allocator<T>{}.allocate(count); }
    void deallocate(T* pointer, std::size_t count) noexcept { std::allocator<T>{}.deallocate(pointer, count); }

    template <typename U>
    void construct(U*) noexcept
    {
    }
    template <typename U, typename... Args>
    void construct(U* pointer, Args&&... args)
    {
        std::construct_at(pointer, std::forward<Args>(args)...);
    }

    friend bool operator==(const UnwrittenGrowthAllocator&, const UnwrittenGrowthAllocator&) { return true; }
};

// The points of an event as read: a std::vector of TrackPoint whose resize leaves the new points
// unwritten (see UnwrittenGrowthAllocator); everything else is a vector's.
using StoredPoints = std::vector<TrackPoint, UnwrittenGrowthAllocator<TrackPoint>>;

// The two kinds of event file, named by their first byte.
enum class FileKind : char { W = 'W', P = 'P' };

// A complete event read from a file, with the conditions it was stored under.
struct StoredEvent {
    FileKind kind = FileKind::W;
    // Kind 'W': L, B, T and scale exactly as stored (the stored changed flag is ignored).
    // Kind 'P': SetL, SetB and SetT of the stored values, so scale = size / L.
    ChamberData conditions;
    // In file order. The padding word is 0; the spare double is carried unchanged. Colours are
    // kept as stored ('P' colour 2 reads as 7) and may lie outside 3 to 7: whoever looks a
    // colour up in a table checks HasPointColour first.
    StoredPoints points;

    // The field was stored negative. The caller flips it (SetB(-B)) and shows
    // NegativeFieldMessage(); the points keep the curvature they had.
    bool HasNegativeField() const { return conditions.B() < 0.0; }
};

// The result of a read: either a complete event or the stage and cause of the failure. A
// failed read hands back nothing, so the caller's current event and conditions stay as they
// were.
struct ReadOutcome {
    std::optional<StoredEvent> event;
    // Why there is no event; meaningful only when event is empty.
    ReadFailure failure;
    // A file that was read completely but failed to close: the event stands, and the caller
    // shows ReadCloseFailureMessage(closeCause) when it is not None.
    FileCause closeCause = FileCause::None;

    bool Ok() const { return event.has_value(); }
};

// Parses one event from the source, reading from its current position to the end of the
// event. A source of known length must end with the event: the count fixes the length of the
// rest (48 N bytes of points in kind 'W', 48 N + 72 in kind 'P'), and a longer source is
// refused at the count (InvalidFile), a shorter one at the read that runs out (EndOfFile).
// Counts above kMaxEventPoints are refused at the count. Counts are checked against what the
// source still holds before anything is allocated for them, and running out of memory fails
// the points' stage (Generic) instead of escaping. Numbers that are not finite, and an L or
// scale that is not above 0 (or no readable L gives), make the file invalid (InvalidFile at the
// stage that read them). Finite conditions beyond physics/ConditionLimits.h's bounds (a T of 0,
// a field of 1e308 kG) fail the Conditions stage, whose detail names the value.
ReadOutcome ReadEvent(ByteSource& source);

// Opens, parses and closes the file at path.
ReadOutcome LoadEventFile(const std::string& path);

// Parses the bytes of a whole file held in memory.
ReadOutcome ParseEventBytes(std::span<const uint8_t> bytes);

// A ChamberEvent with capacity and count equal to the stored point count, belonging to
// chamber (not owned; the main frame passes its pending conditions).
std::unique_ptr<ChamberEvent> MakeChamberEvent(const StoredEvent& stored, const ChamberData* chamber);

// Byte counts of the two layouts.
namespace eventfile {
constexpr uint64_t kPointBytes = 48;
constexpr uint64_t kWHeaderBytes = 53;   // kind byte, 48-byte conditions image, int32 count
constexpr uint64_t kPHeaderBytes = 3;    // kind byte, int16 count
constexpr uint64_t kPTrailerBytes = 72;  // L, ignored, three doubles (B third), three ignored, T
constexpr uint64_t kConditionsImageBytes = 48;
// The most points an event file may hold: far above any event the program makes (350) or any
// real one, and low enough that reading one always fits in memory.
constexpr int32_t kMaxEventPoints = 10'000'000;
} // namespace eventfile
