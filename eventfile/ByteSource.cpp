#include "eventfile/ByteSource.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileCause MemorySource::ReadExact(void* out, std::size_t size)
{
    if (size > bytes_.size() - position_)
        return FileCause::EndOfFile;
    if (size > 0)
        std::memcpy(out, bytes_.data() + position_, size);
    position_ += size;
    return FileCause::None;
}

namespace {

// The length of an opened file, or nothing when the stream cannot seek (a pipe or a device).
std::optional<uint64_t> StreamLength(std::FILE* file)
{
    if (std::fseek(file, 0, SEEK_END) != 0)
        return std::nullopt;
    const long length = std::ftell(file);
    if (length < 0 || std::fseek(file, 0, SEEK_SET) != 0)
        return std::nullopt;
    return static_cast<uint64_t>(length);
}

} // namespace

FileSource::~FileSource()
{
    Close();
}

// The file is opened without waiting (a FIFO with no writer would block an ordinary open) and
// looked at before anything is read from it: only a regular file is an event file.
FileCause FileSource::Open(const std::string& path)
{
    Close();
    errno = 0;
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0)
        return errno != 0 ? CauseFromErrno(errno) : FileCause::Generic;
    struct stat facts {};
    FileCause refused = FileCause::None;
    if (::fstat(descriptor, &facts) != 0)
        refused = errno != 0 ? CauseFromErrno(errno) : FileCause::Generic;
    else if (S_ISDIR(facts.st_mode))
        refused = CauseFromErrno(EISDIR);
    else if (!S_ISREG(facts.st_mode))
        refused = FileCause::InvalidFile;
    else if (const int flags = ::fcntl(descriptor, F_GETFL); flags < 0 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0)
        refused = errno != 0 ? CauseFromErrno(errno) : FileCause::Generic;
    if (refused == FileCause::None && !(file_ = ::fdopen(descriptor, "rb")))
        refused = errno != 0 ? CauseFromErrno(errno) : FileCause::Generic;
    if (refused != FileCause::None) {
        ::close(descriptor);
        return refused;
    }
    remaining_ = StreamLength(file_);
    return FileCause::None;
}

FileCause FileSource::ReadExact(void* out, std::size_t size)
{
    if (!file_)
        return FileCause::InvalidFile;
    errno = 0;
    const std::size_t got = std::fread(out, 1, size, file_);
    if (remaining_)
        *remaining_ -= got <= *remaining_ ? got : *remaining_;
    if (got == size)
        return FileCause::None;
    if (std::ferror(file_))
        return errno != 0 ? CauseFromErrno(errno) : FileCause::HardIO;
    return FileCause::EndOfFile;
}

std::optional<uint64_t> FileSource::Remaining() const
{
    return remaining_;
}

FileCause FileSource::Close()
{
    if (!file_)
        return FileCause::None;
    errno = 0;
    const int result = std::fclose(file_);
    file_ = nullptr;
    if (result == 0)
        return FileCause::None;
    return errno != 0 ? CauseFromErrno(errno) : FileCause::Generic;
}
