#pragma once

#include "eventfile/FileMessages.h"
#include "physics/ChamberData.h"
#include "physics/ChamberEvent.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The 53-byte head of a kind 'W' file: the kind byte, the 48-byte image of the conditions
// and the point count. The image holds L, B, T, scale and the conditions' changed flag as
// they are in memory; its not-significant words are written as 0. The main frame saves its
// current conditions, whose changed flag is 1 once the sliders moved; a generated event saved
// by the tools carries 0. Readers ignore the flag.
std::vector<uint8_t> EncodeWHeader(const ChamberData& conditions, int32_t pointCount);

// The points of a kind 'W' file, 48 bytes each: x, y, z, w and spare as stored, the colour,
// and a padding word written as 0.
std::vector<uint8_t> EncodeWPoints(std::span<const TrackPoint> points);

// A whole kind 'W' file: header then points, 53 + 48 N bytes.
std::vector<uint8_t> EncodeEventFile(const ChamberData& conditions, std::span<const TrackPoint> points);

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

// Writes a kind 'W' file of the event to target: open, then the kind byte and the conditions
// image, then the count and the points, then commit. More than kMaxEventPoints points fail the
// write stage before anything is opened, as a reader would refuse the file. Returns the stage and cause of a
// failure, or nothing when the file was written and closed.
std::optional<WriteFailure> SaveEvent(SaveTarget& target, const ChamberData& conditions,
                                      std::span<const TrackPoint> points);

// SaveEvent to the file at path through a ReplacingFile.
std::optional<WriteFailure> SaveEventFile(const std::string& path, const ChamberData& conditions,
                                          std::span<const TrackPoint> points);

// The valid points of a list, for the savers above.
inline std::span<const TrackPoint> PointsOf(const PointList& list)
{
    return {list.Data(), static_cast<std::size_t>(list.Count())};
}
