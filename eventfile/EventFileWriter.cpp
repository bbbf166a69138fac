#include "eventfile/EventFileWriter.h"

#include "eventfile/ByteOrder.h"
#include "eventfile/EventFileReader.h"

#include <cassert>
#include <cerrno>
#include <climits>
#include <filesystem>
#include <random>

#include <fcntl.h>
#include <unistd.h>

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

// Symbolic links followed before a save gives up and replaces the last one itself (the
// operating system's own limit on a path).
constexpr int kMaxLinksFollowed = 40;

// The file a save through path must replace: path itself, or, when path is a symbolic link,
// the file it leads to, so that the link stays a link to the saved event.
std::string FileBehindLinks(const std::string& path)
{
    namespace fs = std::filesystem;
    fs::path current = path;
    for (int hop = 0; hop < kMaxLinksFollowed; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error)))
            break;
        const fs::path target = fs::read_symlink(current, error);
        if (error)
            break;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return current.string();
}

// Makes a rename inside directory durable: after a power cut the folder names the new file.
// Some file systems cannot sync a folder; the file itself is on disk already, so that is no
// reason to fail the save.
void SyncDirectoryOf(const std::string& path)
{
    std::filesystem::path directory = std::filesystem::path(path).parent_path();
    if (directory.empty())
        directory = ".";
    const int descriptor = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}

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
    : path_(FileBehindLinks(path))
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
    // An event without points has no point bytes, and their span may have no data at all.
    if (bytes.empty())
        return FileCause::None;
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
        return CauseOfErrno(FileCause::Generic);
    return FileCause::None;
}

// The bytes reach the disk before the file may take the target's name.
FileCause ReplacingFile::CloseTemporary()
{
    errno = 0;
    const bool synced = std::fflush(file_) == 0 && ::fsync(::fileno(file_)) == 0;
    const FileCause syncCause = synced ? FileCause::None : CauseOfErrno(FileCause::HardIO);
    errno = 0;
    const int result = std::fclose(file_);
    file_ = nullptr;
    if (syncCause != FileCause::None)
        return syncCause;
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
    SyncDirectoryOf(path_);
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
