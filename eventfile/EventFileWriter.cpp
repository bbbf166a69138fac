#include "eventfile/EventFileWriter.h"

#include "eventfile/ByteOrder.h"
#include "eventfile/EventFileReader.h"

#include <cassert>
#include <cerrno>
#include <climits>
#include <filesystem>
#include <random>

using namespace eventfile;

namespace {

// Offsets inside a 'W' file.
constexpr std::size_t kLengthOffset = 9;
constexpr std::size_t kFieldOffset = 17;
constexpr std::size_t kEnergyOffset = 25;
constexpr std::size_t kScaleOffset = 33;
constexpr std::size_t kChangedOffset = 41;
constexpr std::size_t kCountOffset = 49;

// Attempts at a temporary name that no other file has.
constexpr int kTemporaryNameAttempts = 16;

FileCause CauseOfErrno(FileCause fallback)
{
    return errno != 0 ? CauseFromErrno(errno) : fallback;
}

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

std::string TemporaryNameFor(const std::string& path, std::mt19937& random)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string name = path + ".tmp-";
    for (int i = 0; i < 8; ++i)
        name += kHex[random() % 16];
    return name;
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

ReplacingFile::ReplacingFile(std::string path)
    : path_(std::move(path))
{
}

ReplacingFile::~ReplacingFile()
{
    Abandon();
}

FileCause ReplacingFile::Open()
{
    Abandon();
    if (FileCause cause = CheckTargetWritable(); cause != FileCause::None)
        return cause;
    return CreateTemporary();
}

FileCause ReplacingFile::CheckTargetWritable() const
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path_, error);
    if (std::filesystem::is_directory(status))
        return CauseFromErrno(EISDIR);
    if (!std::filesystem::exists(status))
        return FileCause::None;
    errno = 0;
    std::FILE* existing = std::fopen(path_.c_str(), "r+b");
    if (!existing)
        return CauseOfErrno(FileCause::AccessDenied);
    std::fclose(existing);
    return FileCause::None;
}

FileCause ReplacingFile::CreateTemporary()
{
    std::mt19937 random(std::random_device{}());
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const std::string name = TemporaryNameFor(path_, random);
        errno = 0;
        file_ = std::fopen(name.c_str(), "wbx");
        if (file_) {
            temporaryPath_ = name;
            return FileCause::None;
        }
        if (errno != EEXIST)
            return CauseOfErrno(FileCause::Generic);
    }
    return FileCause::Generic;
}

FileCause ReplacingFile::Write(std::span<const uint8_t> bytes)
{
    if (!file_)
        return FileCause::InvalidFile;
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
        return CauseOfErrno(FileCause::Generic);
    return FileCause::None;
}

FileCause ReplacingFile::CloseTemporary()
{
    errno = 0;
    const int result = std::fclose(file_);
    file_ = nullptr;
    return result == 0 ? FileCause::None : CauseOfErrno(FileCause::Generic);
}

FileCause ReplacingFile::Commit()
{
    if (!file_)
        return FileCause::InvalidFile;
    if (FileCause cause = CloseTemporary(); cause != FileCause::None)
        return cause;
    std::error_code error;
    const auto status = std::filesystem::status(path_, error);
    if (std::filesystem::exists(status))
        std::filesystem::permissions(temporaryPath_, status.permissions(), error);
    errno = 0;
    if (std::rename(temporaryPath_.c_str(), path_.c_str()) != 0)
        return CauseOfErrno(FileCause::Generic);
    temporaryPath_.clear();
    return FileCause::None;
}

void ReplacingFile::Abandon()
{
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temporaryPath_.empty()) {
        std::remove(temporaryPath_.c_str());
        temporaryPath_.clear();
    }
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
    if (points.size() > INT32_MAX)
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
