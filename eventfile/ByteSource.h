#pragma once

#include "eventfile/FileCause.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>

// Where the reader takes an event file's bytes from.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads exactly size bytes into out. A source that ends first reports EndOfFile; a failure
    // of the file layer reports its cause. After a failure the contents of out are unspecified.
    virtual FileCause ReadExact(void* out, std::size_t size) = 0;
    // Bytes left to read, or nothing when the source cannot tell (a pipe or a device).
    virtual std::optional<uint64_t> Remaining() const = 0;
};

// The bytes of a file already in memory (not owned; they must outlive the source).
class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    FileCause ReadExact(void* out, std::size_t size) override;
    std::optional<uint64_t> Remaining() const override { return bytes_.size() - position_; }

private:
    std::span<const uint8_t> bytes_;
    std::size_t position_ = 0;
};

// A file opened for reading; closed by Close() or, at the latest, by the destructor.
class FileSource final : public ByteSource {
public:
    FileSource() = default;
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    // Opens path for reading. A directory cannot be opened (BadPath), nor anything else that is
    // not a regular file, such as a FIFO or a device (InvalidFile); neither waits for a writer.
    FileCause Open(const std::string& path);
    FileCause ReadExact(void* out, std::size_t size) override;
    std::optional<uint64_t> Remaining() const override;
    // Closes the file; None when it closed cleanly or was not open.
    FileCause Close();

private:
    std::FILE* file_ = nullptr;
    std::optional<uint64_t> remaining_;
};
