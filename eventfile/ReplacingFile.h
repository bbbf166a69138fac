#pragma once

#include "eventfile/FileCause.h"

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

// Where a save puts its bytes. Open, then Write any number of times, then Commit; after a
// failure of any step the saver calls Abandon, which must leave the destination as it was
// before Open.
class SaveTarget {
public:
    virtual ~SaveTarget() = default;
    virtual FileCause Open() = 0;
    virtual FileCause Write(std::span<const uint8_t> bytes) = 0;
    virtual FileCause Commit() = 0;
    virtual void Abandon() = 0;
};

// Saves to a file path without ever destroying what the path held before a save that failed:
// the bytes go to a temporary file in the same directory, which replaces the target by a
// rename only once everything was written and closed. An existing target that cannot be
// opened for writing fails at Open (as an in-place save would), so a read-only file stays
// read-only. Permissions of an existing target are carried over to its replacement. The file
// and then its folder are synced to disk around the rename, so that after a power cut the name
// holds either the old file or the whole new one. A path that is a symbolic link saves into
// the file the link leads to; the link stays.
class ReplacingFile : public SaveTarget {
public:
    explicit ReplacingFile(std::string path);
    ~ReplacingFile() override;
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    FileCause Open() override;
    FileCause Write(std::span<const uint8_t> bytes) override;
    // Closes the temporary file and renames it over the target (the close stage).
    FileCause Commit() override;
    void Abandon() override;

    // The temporary file while one exists (for tests and diagnostics), else empty.
    const std::string& TemporaryPath() const { return temporaryPath_; }

private:
    FileCause CheckTargetWritable() const;
    FileCause CreateTemporary();
    FileCause CloseTemporary();

    std::string path_;
    std::string temporaryPath_;
    std::FILE* file_ = nullptr;
};
