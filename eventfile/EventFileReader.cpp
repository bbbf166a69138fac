#include "eventfile/EventFileReader.h"

#include "eventfile/ByteOrder.h"
#include "physics/ConditionLimits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <new>

using namespace eventfile;

namespace {

// Records are read straight into the points' storage and decoded where they lie.
static_assert(sizeof(TrackPoint) == kPointBytes, "a point's storage holds one record");

// A source of unknown length is read this many records at a time (48 kB), its storage growing
// with the records that arrive.
constexpr int32_t kRecordsPerRead = 1024;

// 'P' files mark light blue with 2, the 'W' files and the colour table with 7.
constexpr int16_t kPLightBlue = 2;

ReadOutcome Failed(ReadStage stage, FileCause cause, std::string detail = {})
{
    ReadOutcome outcome;
    outcome.failure = {stage, cause, std::move(detail)};
    return outcome;
}

bool IsPositiveLength(double value) { return std::isfinite(value) && value > 0.0; }

// A stored scale (display units per cm) that some readable chamber length gives.
bool IsPossibleScale(double scale)
{
    using namespace condition_limits;
    constexpr double size = ChamberData::kDefaultSize;
    return scale >= size / kMaxLengthCm && scale <= size / kMinLengthCm;
}

// Finite conditions the program still cannot make and show events for: the value out of bounds.
std::optional<ReadOutcome> RefusedConditions(double lengthCm, double fieldKG, double energyMeV)
{
    const std::optional<std::string> reason = ConditionsOutOfBounds(lengthCm, fieldKG, energyMeV);
    if (!reason)
        return std::nullopt;
    return Failed(ReadStage::Conditions, FileCause::None, *reason);
}

// 1 when a double is finite (its exponent bits are not all ones), else 0. An integer rather
// than a bool, so that the answers combine without branches and the test of a whole batch of
// points needs no jump per value.
unsigned FiniteBit(double value)
{
    constexpr uint64_t kExponentBits = 0x7FF0'0000'0000'0000;
    return unsigned((std::bit_cast<uint64_t>(value) & kExponentBits) != kExponentBits);
}

bool HasFinitePosition(const TrackPoint& point)
{
    return (FiniteBit(point.x) & FiniteBit(point.y) & FiniteBit(point.z) & FiniteBit(point.w)) != 0;
}

// The bytes of a point's storage, where its record was read.
const uint8_t* RecordBytes(const TrackPoint& point) { return reinterpret_cast<const uint8_t*>(&point); }

// The point a 48-byte record stores; its padding word is 0. Only a big-endian host needs it.
[[maybe_unused]] TrackPoint DecodeWPoint(const uint8_t* record)
{
    using namespace byteorder;
    TrackPoint point;
    point.x = LittleDouble(record);
    point.y = LittleDouble(record + 8);
    point.z = LittleDouble(record + 16);
    point.w = LittleDouble(record + 24);
    point.spare = LittleDouble(record + 32);
    point.colour = LittleInt32(record + 40);
    return point;
}

TrackPoint DecodePPoint(const uint8_t* record)
{
    using namespace byteorder;
    TrackPoint point;
    point.x = BigDouble(record);
    point.y = BigDouble(record + 8);
    point.z = BigDouble(record + 16);
    point.w = BigDouble(record + 24);
    point.spare = BigDouble(record + 32);
    const int16_t colour = BigInt16(record + 40);
    point.colour = colour == kPLightBlue ? int32_t{kLightBlue} : int32_t{colour};
    return point;
}

// Turns the 'W' record read into a point's storage into the point. On a little-endian host the
// record's numbers already are the point's, bit for bit, and only the padding word, which files
// do not carry, is cleared.
void DecodeWInPlace(TrackPoint& point)
{
    if constexpr (std::endian::native == std::endian::little)
        point.padding = 0;
    else
        point = DecodeWPoint(RecordBytes(point));
}

void DecodePInPlace(TrackPoint& point) { point = DecodePPoint(RecordBytes(point)); }

// A count the reader refuses before it looks further: below zero, or above what any event can
// hold.
bool IsPossibleCount(int32_t count) { return count >= 0 && count <= kMaxEventPoints; }

// A source of known length must hold exactly the bytes that the count announces, here the
// points and what follows them. Fewer is found by the read that runs out; more means the count
// does not describe the file, whose later values would otherwise be read from point bytes.
bool HoldsMoreThan(const ByteSource& source, int32_t count, uint64_t bytesAfterPoints)
{
    const std::optional<uint64_t> remaining = source.Remaining();
    return remaining && *remaining > static_cast<uint64_t>(count) * kPointBytes + bytesAfterPoints;
}

// Decodes records that were read into points' storage, each in place; InvalidFile when a point
// is not finite. The batch is decoded to its end either way: one test for the batch instead of
// one per point keeps the loop free of jumps.
template <void (*Decode)(TrackPoint&)>
FileCause DecodeInPlace(std::span<TrackPoint> points)
{
    bool allFinite = true;
    for (TrackPoint& point : points) {
        Decode(point);
        allFinite &= HasFinitePosition(point);
    }
    return allFinite ? FileCause::None : FileCause::InvalidFile;
}

// Reads count points straight into their storage and decodes them there. The count is checked
// against the bytes left before any storage is allocated, so no count can make the reader
// allocate more than the file holds; a source of known length is then read with one read (one
// read measured faster than reading a large file in cache-sized pieces). A source of unknown
// length is read a batch at a time, its storage growing with the points that arrive.
template <void (*Decode)(TrackPoint&)>
FileCause ReadPoints(ByteSource& source, int32_t count, StoredPoints& points)
{
    const std::optional<uint64_t> remaining = source.Remaining();
    if (remaining && *remaining / kPointBytes < static_cast<uint64_t>(count))
        return FileCause::EndOfFile;
    const int32_t perRead = remaining ? count : kRecordsPerRead;
    try {
        for (int32_t done = 0; done < count;) {
            const int32_t records = std::min(count - done, perRead);
            points.resize(static_cast<std::size_t>(done + records));
            const std::span<TrackPoint> batch(points.data() + done, static_cast<std::size_t>(records));
            if (FileCause cause = source.ReadExact(batch.data(), batch.size_bytes()); cause != FileCause::None)
                return cause;
            if (FileCause cause = DecodeInPlace<Decode>(batch); cause != FileCause::None)
                return cause;
            done += records;
        }
    } catch (const std::bad_alloc&) {
        points = {};
        return FileCause::Generic;
    }
    return FileCause::None;
}

// Kind 'W' after its kind byte: conditions image, int32 count, points.
ReadOutcome ReadWEvent(ByteSource& source)
{
    using namespace byteorder;
    std::array<uint8_t, kConditionsImageBytes> image;
    if (FileCause cause = source.ReadExact(image.data(), image.size()); cause != FileCause::None)
        return Failed(ReadStage::WConditions, cause);
    const double lengthCm = LittleDouble(&image[8]);
    const double fieldKG = LittleDouble(&image[16]);
    const double energyMeV = LittleDouble(&image[24]);
    const double scale = LittleDouble(&image[32]);
    if (!IsPositiveLength(lengthCm) || !IsPossibleScale(scale) || !std::isfinite(fieldKG) || !std::isfinite(energyMeV))
        return Failed(ReadStage::WConditions, FileCause::InvalidFile);
    if (auto refused = RefusedConditions(lengthCm, fieldKG, energyMeV))
        return std::move(*refused);

    std::array<uint8_t, 4> countBytes;
    if (FileCause cause = source.ReadExact(countBytes.data(), countBytes.size()); cause != FileCause::None)
        return Failed(ReadStage::WCount, cause);
    const int32_t count = LittleInt32(countBytes.data());
    if (!IsPossibleCount(count) || HoldsMoreThan(source, count, 0))
        return Failed(ReadStage::WCount, FileCause::InvalidFile);

    StoredEvent stored;
    stored.kind = FileKind::W;
    stored.conditions.SetStoredValues(lengthCm, fieldKG, energyMeV, scale);
    if (FileCause cause = ReadPoints<DecodeWInPlace>(source, count, stored.points); cause != FileCause::None)
        return Failed(ReadStage::WPoints, cause);
    return ReadOutcome{std::move(stored), {}, FileCause::None};
}

// Kind 'P' after its points: L, an ignored double, three doubles of which the third is B,
// three ignored doubles, T.
ReadOutcome ReadPTrailer(ByteSource& source, StoredEvent stored)
{
    using namespace byteorder;
    std::array<uint8_t, 8> lengthBytes;
    if (FileCause cause = source.ReadExact(lengthBytes.data(), lengthBytes.size()); cause != FileCause::None)
        return Failed(ReadStage::PLength, cause);
    const double lengthCm = BigDouble(lengthBytes.data());
    if (!IsPositiveLength(lengthCm) || !IsPositiveLength(stored.conditions.Size() / lengthCm))
        return Failed(ReadStage::PLength, FileCause::InvalidFile);

    std::array<uint8_t, kPTrailerBytes - 8> tail;
    if (FileCause cause = source.ReadExact(tail.data(), tail.size()); cause != FileCause::None)
        return Failed(ReadStage::PTail, cause);
    const double fieldKG = BigDouble(&tail[8 + 16]);
    const double energyMeV = BigDouble(&tail[8 + 24 + 24]);
    if (!std::isfinite(fieldKG) || !std::isfinite(energyMeV))
        return Failed(ReadStage::PTail, FileCause::InvalidFile);
    if (auto refused = RefusedConditions(lengthCm, fieldKG, energyMeV))
        return std::move(*refused);

    stored.conditions.SetL(lengthCm);
    stored.conditions.SetB(fieldKG);
    stored.conditions.SetT(energyMeV);
    return ReadOutcome{std::move(stored), {}, FileCause::None};
}

// Kind 'P' after its kind byte: int16 count, points, trailer.
ReadOutcome ReadPEvent(ByteSource& source)
{
    std::array<uint8_t, 2> countBytes;
    if (FileCause cause = source.ReadExact(countBytes.data(), countBytes.size()); cause != FileCause::None)
        return Failed(ReadStage::PCount, cause);
    const int16_t count = byteorder::BigInt16(countBytes.data());
    if (!IsPossibleCount(count) || HoldsMoreThan(source, count, kPTrailerBytes))
        return Failed(ReadStage::PCount, FileCause::InvalidFile);

    StoredEvent stored;
    stored.kind = FileKind::P;
    if (FileCause cause = ReadPoints<DecodePInPlace>(source, count, stored.points); cause != FileCause::None)
        return Failed(ReadStage::PPoints, cause);
    return ReadPTrailer(source, std::move(stored));
}

} // namespace

ReadOutcome ReadEvent(ByteSource& source)
{
    uint8_t kind = 0;
    if (FileCause cause = source.ReadExact(&kind, 1); cause != FileCause::None)
        return Failed(ReadStage::KindByte, cause);
    if (kind == static_cast<uint8_t>(FileKind::W))
        return ReadWEvent(source);
    if (kind == static_cast<uint8_t>(FileKind::P))
        return ReadPEvent(source);
    return Failed(ReadStage::WrongKind, FileCause::None);
}

ReadOutcome LoadEventFile(const std::string& path)
{
    FileSource file;
    if (FileCause cause = file.Open(path); cause != FileCause::None)
        return Failed(ReadStage::Open, cause);
    ReadOutcome outcome = ReadEvent(file);
    const FileCause closeCause = file.Close();
    if (outcome.Ok())
        outcome.closeCause = closeCause;
    return outcome;
}

ReadOutcome ParseEventBytes(std::span<const uint8_t> bytes)
{
    MemorySource source(bytes);
    return ReadEvent(source);
}

std::unique_ptr<ChamberEvent> MakeChamberEvent(const StoredEvent& stored, const ChamberData* chamber)
{
    const int count = static_cast<int>(stored.points.size());
    auto event = std::make_unique<ChamberEvent>(count, chamber);
    std::copy(stored.points.begin(), stored.points.end(), event->Points().Data());
    event->Points().SetCount(count);
    return event;
}
