#include "eventfile/ReplacingFile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string_view>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Temporary names: the prefix and this many hexadecimal digits, 28 bytes in all.
constexpr std::string_view kTemporaryPrefix = ".tracelume-save-";
constexpr std::size_t kTemporaryDigits = 12;

// Attempts at a temporary name that no other file has.
constexpr int kTemporaryNameAttempts = 16;

// Symbolic links followed before a save gives up and replaces the last one itself (the
// operating system's own limit on a path).
constexpr int kMaxLinksFollowed = 40;

// The file a save through path must replace: path itself, or, when path is a symbolic link,
// the file it leads to, so that the link stays a link to the saved event.
std::string FileBehindLinks(const std::string& path)
{
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

std::string FolderOf(const std::string& path)
{
    const fs::path folder = fs::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

// Makes a rename inside folder durable: after a power cut the folder names the new file.
// Some file systems cannot sync a folder; the file itself is on disk already, so that is no
// reason to fail the save.
void SyncFolder(const std::string& folder)
{
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}

FileCause CauseOfErrno(FileCause fallback)
{
    return errno != 0 ? CauseFromErrno(errno) : fallback;
}

bool IsTemporaryName(std::string_view name)
{
    if (name.size() != kTemporaryPrefix.size() + kTemporaryDigits || !name.starts_with(kTemporaryPrefix))
        return false;
    for (char c : name.substr(kTemporaryPrefix.size())) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

std::string TemporaryNameIn(const std::string& folder, std::mt19937_64& random)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string name = folder + "/" + std::string(kTemporaryPrefix);
    for (std::size_t i = 0; i < kTemporaryDigits; ++i)
        name += kHex[random() % 16];
    return name;
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Waits for the lock on a new temporary file (a remover holds it only for a moment). A file
// system without locks cannot lock for a remover either, so the save goes on without.
void LockTemporary(int descriptor)
{
    while (::flock(descriptor, LOCK_EX) != 0 && errno == EINTR) {
    }
}

// A temporary that a living save holds is locked; one whose save died is not. The lock is taken
// before the name is checked again, so a temporary is removed only while this function holds it.
void RemoveIfLeftOver(const std::string& path)
{
    struct stat named {};
    if (::lstat(path.c_str(), &named) != 0 || !S_ISREG(named.st_mode))
        return;
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return;
    struct stat opened {};
    if (::fstat(descriptor, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_nlink > 0 &&
        ::flock(descriptor, LOCK_EX | LOCK_NB) == 0 && ::lstat(path.c_str(), &named) == 0 && SameFile(opened, named))
        ::unlink(path.c_str());
    ::close(descriptor);
}

void RemoveLeftOverTemporaries(const std::string& folder)
{
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        if (IsTemporaryName(entry->path().filename().native()))
            RemoveIfLeftOver(entry->path().string());
    }
}

// Unnamed files are named through their entry in /proc; without it they could not be saved.
bool CanNameUnnamedFiles()
{
    std::error_code error;
    return fs::is_directory("/proc/self/fd", error);
}

bool HasNoUnnamedFiles(int error) { return error == EOPNOTSUPP || error == EISDIR || error == EINVAL; }

} // namespace

ReplacingFile::ReplacingFile(std::string path)
    : path_(FileBehindLinks(path)), folder_(FolderOf(path_))
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
    RemoveLeftOverTemporaries(folder_);
    return CreateTemporary();
}

FileCause ReplacingFile::CheckTargetWritable() const
{
    std::error_code error;
    const fs::file_status status = fs::status(path_, error);
    if (error && error != std::errc::no_such_file_or_directory)
        return CauseFromErrno(error.value());
    if (fs::is_directory(status))
        return CauseFromErrno(EISDIR);
    if (!fs::exists(status))
        return FileCause::None;
    errno = 0;
    const int existing = ::open(path_.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (existing < 0)
        return CauseOfErrno(FileCause::AccessDenied);
    ::close(existing);
    return FileCause::None;
}

int ReplacingFile::OpenUnnamedIn(const std::string& folder)
{
    return ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
}

FileCause ReplacingFile::CreateTemporary()
{
    if (!CanNameUnnamedFiles())
        return CreateNamedTemporary();
    errno = 0;
    const int descriptor = OpenUnnamedIn(folder_);
    if (descriptor >= 0) {
        LockTemporary(descriptor);
        descriptor_ = descriptor;
        return FileCause::None;
    }
    if (HasNoUnnamedFiles(errno))
        return CreateNamedTemporary();
    return CauseOfErrno(FileCause::Generic);
}

// A remover may take a new file between its creation and its lock; once locked, a file that
// still has its name is this save's own.
FileCause ReplacingFile::CreateNamedTemporary()
{
    std::mt19937_64 random(std::random_device{}());
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const std::string name = TemporaryNameIn(folder_, random);
        errno = 0;
        const int descriptor = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0) {
            if (errno == EEXIST)
                continue;
            return CauseOfErrno(FileCause::Generic);
        }
        LockTemporary(descriptor);
        struct stat opened {};
        if (::fstat(descriptor, &opened) == 0 && opened.st_nlink > 0) {
            descriptor_ = descriptor;
            temporaryPath_ = name;
            return FileCause::None;
        }
        ::close(descriptor);
    }
    return FileCause::Generic;
}

FileCause ReplacingFile::Write(std::span<const uint8_t> bytes)
{
    if (descriptor_ < 0)
        return FileCause::InvalidFile;
    while (!bytes.empty()) {
        errno = 0;
        const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return CauseOfErrno(FileCause::Generic);
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return FileCause::None;
}

// Gives the unnamed file a temporary name in the target's folder.
FileCause ReplacingFile::NameTemporary()
{
    const std::string self = "/proc/self/fd/" + std::to_string(descriptor_);
    std::mt19937_64 random(std::random_device{}());
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const std::string name = TemporaryNameIn(folder_, random);
        errno = 0;
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            temporaryPath_ = name;
            return FileCause::None;
        }
        if (errno != EEXIST)
            return CauseOfErrno(FileCause::Generic);
    }
    return FileCause::Generic;
}

void ReplacingFile::CarryOverPermissions() const
{
    struct stat target {};
    if (::stat(path_.c_str(), &target) == 0)
        ::fchmod(descriptor_, target.st_mode & 07777);
}

// The bytes reach the disk before the file may take the target's name. The temporary stays open,
// and so locked, until it has replaced the target; closing it then cannot lose what fsync wrote.
FileCause ReplacingFile::Commit()
{
    if (descriptor_ < 0)
        return FileCause::InvalidFile;
    errno = 0;
    if (::fsync(descriptor_) != 0)
        return CauseOfErrno(FileCause::HardIO);
    CarryOverPermissions();
    if (temporaryPath_.empty()) {
        if (FileCause cause = NameTemporary(); cause != FileCause::None)
            return cause;
    }
    errno = 0;
    if (std::rename(temporaryPath_.c_str(), path_.c_str()) != 0)
        return CauseOfErrno(FileCause::Generic);
    temporaryPath_.clear();
    CloseTemporary();
    SyncFolder(folder_);
    return FileCause::None;
}

// The name goes first, while the file is still locked.
void ReplacingFile::Abandon()
{
    if (!temporaryPath_.empty()) {
        ::unlink(temporaryPath_.c_str());
        temporaryPath_.clear();
    }
    CloseTemporary();
}

void ReplacingFile::CloseTemporary()
{
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        descriptor_ = -1;
    }
}
