// Any bytes as an event file: read from memory and from a file, then taken in as the program
// takes in an event it read. Every outcome must be sound, whatever the bytes.
#include "eventfile/EventFileReader.h"
#include "eventfile/EventFileWriter.h"
#include "eventfile/FileMessages.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// A broken invariant stops the run; libFuzzer keeps the input that broke it.
void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool SameConditions(const ChamberData& a, const ChamberData& b)
{
    return SameBits(a.L(), b.L()) && SameBits(a.B(), b.B()) && SameBits(a.T(), b.T()) && SameBits(a.Scale(), b.Scale());
}

bool SamePoints(std::span<const TrackPoint> a, std::span<const TrackPoint> b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!SameBits(a[i].x, b[i].x) || !SameBits(a[i].y, b[i].y) || !SameBits(a[i].z, b[i].z) ||
            !SameBits(a[i].w, b[i].w) || !SameBits(a[i].spare, b[i].spare) || a[i].colour != b[i].colour)
            return false;
    }
    return true;
}

bool SameOutcome(const ReadOutcome& a, const ReadOutcome& b)
{
    if (a.Ok() != b.Ok())
        return false;
    if (!a.Ok())
        return a.failure.stage == b.failure.stage && a.failure.cause == b.failure.cause;
    return a.event->kind == b.event->kind && SameConditions(a.event->conditions, b.event->conditions) &&
           SamePoints(a.event->points, b.event->points);
}

// The bytes as a file: an anonymous in-memory file opened through its /proc name, so that the
// file source's length and read handling meet every input without touching the disk.
ReadOutcome LoadThroughFile(std::span<const uint8_t> bytes)
{
    static const int fd = memfd_create("event-file", 0);
    Require(fd >= 0, "memfd_create");
    Require(ftruncate(fd, 0) == 0, "ftruncate");
    Require(bytes.empty() || pwrite(fd, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size()), "pwrite");
    return LoadEventFile("/proc/self/fd/" + std::to_string(fd));
}

void CheckEvent(std::span<const uint8_t> bytes, const StoredEvent& event)
{
    const uint64_t fixedBytes = event.kind == FileKind::W ? eventfile::kWHeaderBytes
                                                          : eventfile::kPHeaderBytes + eventfile::kPTrailerBytes;
    Require(fixedBytes + eventfile::kPointBytes * event.points.size() <= bytes.size(), "points within the bytes read");
    Require(static_cast<uint8_t>(event.kind) == bytes[0], "kind from the first byte");
    const ChamberData& c = event.conditions;
    Require(std::isfinite(c.L()) && c.L() > 0.0 && std::isfinite(c.Scale()) && c.Scale() > 0.0, "L and scale above 0");
    Require(std::isfinite(c.B()) && std::isfinite(c.T()), "finite B and T");
    for (const TrackPoint& p : event.points)
        Require(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z) && std::isfinite(p.w), "finite points");

    // Saved again, the event reads back as it was.
    const ReadOutcome again = ParseEventBytes(EncodeEventFile(c, event.points));
    Require(again.Ok() && SameConditions(again.event->conditions, c) && SamePoints(again.event->points, event.points),
            "saved and read back unchanged");

    // Taken in as the main frame does: the pending conditions get the file's values, the field
    // is shown positive, and the event holds exactly the points read.
    ChamberData current(500.0, 0.8, 0.6);
    ChamberDataHolder pending(current);
    pending.CopyConditions(c);
    if (event.HasNegativeField()) {
        pending.SetB(-pending.B());
        Require(pending.B() > 0.0 && !NegativeFieldMessage().text.empty(), "negative field shown positive");
    }
    const std::unique_ptr<ChamberEvent> installed = MakeChamberEvent(event, &pending);
    Require(installed->Chamber() == &pending, "event belongs to the pending conditions");
    Require(SamePoints(PointsOf(installed->Points()), event.points), "installed points as read");
}

void CheckFailure(std::span<const uint8_t> bytes, const ReadFailure& failure)
{
    Require(failure.stage != ReadStage::Open, "memory cannot fail to open");
    Require((failure.stage == ReadStage::KindByte) == bytes.empty(), "kind byte fails only when empty");
    for (OpenOrigin origin : {OpenOrigin::Menu, OpenOrigin::CommandLine}) {
        const FileMessage message = ReadFailureMessage(failure, origin);
        Require(!message.text.empty() && !message.caption.empty(), "every failure has a message");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::span<const uint8_t> bytes(data, size);
    const ReadOutcome outcome = ParseEventBytes(bytes);
    if (outcome.Ok())
        CheckEvent(bytes, *outcome.event);
    else
        CheckFailure(bytes, outcome.failure);

    const ReadOutcome fromFile = LoadThroughFile(bytes);
    Require(SameOutcome(outcome, fromFile), "a file reads as its bytes in memory");
    Require(fromFile.closeCause == FileCause::None, "close of a file read");
    return 0;
}
