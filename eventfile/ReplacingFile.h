#pragma once

#include "eventfile/FileCause.h"

#include <cstdint>
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

// Saves to a file path without ever destroying what the path held before a save that failed,
// and without leaving anything behind when the save fails or its process dies:
//
// - The bytes go to an unnamed file in the target's folder. Only once they are all written and
//   synced does it get a temporary name, and that name at once replaces the target by a rename.
//   A process killed while writing leaves nothing: the unnamed file goes with it.
// - Where the file system has no unnamed files, the bytes go to a file of a temporary name from
//   the start. A save that dies leaves that file; the next save into the folder removes it.
//
// Temporary names are ".tracelume-save-" and 12 lowercase hexadecimal digits, whatever the
// target is called, so every name the file system accepts can be saved. A save holds its
// temporary file locked (flock) while it lives; a save removes from its folder the files of that
// pattern that nobody holds locked: the leftovers of saves that died, and nothing else (no other
// name, no folder, link or device, no temporary of a save still running).
//
// An existing target that cannot be opened for writing fails at Open (as an in-place save would),
// so a read-only file stays read-only; so does a name the file system refuses. Permissions of an
// existing target are carried over to its replacement. The file and then its folder are synced
// to disk around the rename, so that after a power cut the name holds either the old file or the
// whole new one. A path that is a symbolic link saves into the file the link leads to; the link
// stays.
class ReplacingFile : public SaveTarget {
public:
    explicit ReplacingFile(std::string path);
    ~ReplacingFile() override;
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    FileCause Open() override;
    FileCause Write(std::span<const uint8_t> bytes) override;
    // Syncs the temporary file, names it if it is unnamed and renames it over the target (the
    // close stage).
    FileCause Commit() override;
    void Abandon() override;

    // The temporary file's name while it has one (for tests and diagnostics), else empty: an
    // unnamed temporary has none until Commit.
    const std::string& TemporaryPath() const { return temporaryPath_; }

protected:
    // Opens a new unnamed file for writing in folder (O_TMPFILE) and returns its descriptor, or
    // -1 with errno set; EOPNOTSUPP, EISDIR and EINVAL say that the file system has none, and
    // the save then writes a named temporary file.
    virtual int OpenUnnamedIn(const std::string& folder);

private:
    FileCause CheckTargetWritable() const;
    FileCause CreateTemporary();
    FileCause CreateNamedTemporary();
    FileCause NameTemporary();
    void CarryOverPermissions() const;
    void CloseTemporary();

    std::string path_;
    std::string folder_;
    std::string temporaryPath_;
    int descriptor_ = -1;
};
