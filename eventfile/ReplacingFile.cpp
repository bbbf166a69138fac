#include "eventfile/ReplacingFile.h"

#include <cerrno>
#include <filesystem>
#include <random>

#include <fcntl.h>
#include <unistd.h>

namespace {

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

std::string TemporaryNameFor(const std::string& path, std::mt19937& random)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string name = path + ".tmp-";
    for (int i = 0; i < 8; ++i)
        name += kHex[random() % 16];
    return name;
}

} // namespace

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
