#include "eventfile/EventFileWriter.h"

#include "eventfile/ByteOrder.h"
#include "eventfile/EventFileReader.h"

#include <cassert>
#include <climits>

using namespace eventfile;

namespace {

// Offsets inside a 'W' file.
constexpr std::size_t kLengthOffset = 9;
constexpr std::size_t kFieldOffset = 17;
constexpr std::size_t kEnergyOffset = 25;
constexpr std::size_t kScaleOffset = 33;
constexpr std::size_t kChangedOffset = 41;
constexpr std::size_t kCountOffset = 49;

void EncodePoint(const TrackPoint& point, uint8_t* record)
{
    using namespace byteorder;
    PutLittleDouble(point.x, record + 0);
    PutLittleDouble(point.y, record + 8);
    PutLittleDouble(point.z, record + 16);
    PutLittleDouble(point.w, record + 24);
    PutLittleDouble(point.spare, record + 32);
    PutLittleInt32(point.colour, record + 40);
    PutLittleInt32(0, record + 44);
}

} // namespace

std::vector<uint8_t> EncodeWHeader(const ChamberData& conditions, int32_t pointCount)
{
    using namespace byteorder;
    std::vector<uint8_t> header(kWHeaderBytes, 0);
    header[0] = static_cast<uint8_t>(FileKind::W);
    PutLittleDouble(conditions.L(), &header[kLengthOffset]);
    PutLittleDouble(conditions.B(), &header[kFieldOffset]);
    PutLittleDouble(conditions.T(), &header[kEnergyOffset]);
    PutLittleDouble(conditions.Scale(), &header[kScaleOffset]);
    PutLittleInt32(conditions.Changed(), &header[kChangedOffset]);
    PutLittleInt32(pointCount, &header[kCountOffset]);
    return header;
}

std::vector<uint8_t> EncodeWPoints(std::span<const TrackPoint> points)
{
    std::vector<uint8_t> bytes(points.size() * kPointBytes);
    for (std::size_t i = 0; i < points.size(); ++i)
        EncodePoint(points[i], &bytes[i * kPointBytes]);
    return bytes;
}

std::vector<uint8_t> EncodeEventFile(const ChamberData& conditions, std::span<const TrackPoint> points)
{
    assert(points.size() <= INT32_MAX && "EncodeEventFile: more points than a file can count");
    std::vector<uint8_t> bytes = EncodeWHeader(conditions, static_cast<int32_t>(points.size()));
    const std::vector<uint8_t> body = EncodeWPoints(points);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

namespace {

std::optional<WriteFailure> FailAndAbandon(SaveTarget& target, WriteStage stage, FileCause cause)
{
    target.Abandon();
    return WriteFailure{stage, cause};
}

} // namespace

std::optional<WriteFailure> SaveEvent(SaveTarget& target, const ChamberData& conditions,
                                      std::span<const TrackPoint> points)
{
    if (points.size() > static_cast<std::size_t>(kMaxEventPoints))
        return WriteFailure{WriteStage::Write, FileCause::InvalidFile};
    if (FileCause cause = target.Open(); cause != FileCause::None)
        return FailAndAbandon(target, WriteStage::Open, cause);

    const std::vector<uint8_t> header = EncodeWHeader(conditions, static_cast<int32_t>(points.size()));
    const std::span<const uint8_t> kindAndImage(header.data(), kCountOffset);
    const std::span<const uint8_t> count(header.data() + kCountOffset, header.size() - kCountOffset);
    for (std::span<const uint8_t> part : {kindAndImage, count}) {
        if (FileCause cause = target.Write(part); cause != FileCause::None)
            return FailAndAbandon(target, WriteStage::Write, cause);
    }
    if (FileCause cause = target.Write(EncodeWPoints(points)); cause != FileCause::None)
        return FailAndAbandon(target, WriteStage::Write, cause);

    if (FileCause cause = target.Commit(); cause != FileCause::None)
        return FailAndAbandon(target, WriteStage::Close, cause);
    return std::nullopt;
}

std::optional<WriteFailure> SaveEventFile(const std::string& path, const ChamberData& conditions,
                                          std::span<const TrackPoint> points)
{
    ReplacingFile target(path);
    return SaveEvent(target, conditions, points);
}
