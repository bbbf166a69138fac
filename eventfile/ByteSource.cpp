#include "eventfile/ByteSource.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

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

FileCause FileSource::Open(const std::string& path)
{
    Close();
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return CauseFromErrno(EISDIR);
    errno = 0;
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_)
        return errno != 0 ? CauseFromErrno(errno) : FileCause::Generic;
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
