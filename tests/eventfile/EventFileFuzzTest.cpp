#include "eventfile/EventFileReader.h"
#include "eventfile/EventFileWriter.h"

#include "tests/support/FileBytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

// What any successful read must satisfy, whatever the bytes were.
void ExpectSoundEvent(const std::vector<uint8_t>& bytes, const ReadOutcome& outcome)
{
    if (!outcome.Ok())
        return;
    const StoredEvent& event = *outcome.event;
    const uint64_t fixedBytes = event.kind == FileKind::W ? 53 : 75;
    EXPECT_LE(fixedBytes + 48 * event.points.size(), bytes.size());
    EXPECT_TRUE(std::isfinite(event.conditions.L()) && event.conditions.L() > 0.0);
    EXPECT_TRUE(std::isfinite(event.conditions.Scale()) && event.conditions.Scale() > 0.0);
    for (const TrackPoint& p : event.points)
        EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z) && std::isfinite(p.w));
}

std::vector<uint8_t> RandomBytes(std::mt19937& random, std::size_t size)
{
    std::vector<uint8_t> bytes(size);
    for (uint8_t& b : bytes)
        b = static_cast<uint8_t>(random());
    return bytes;
}

std::vector<uint8_t> ValidW()
{
    std::vector<TrackPoint> points;
    for (int i = 0; i < 5; ++i)
        points.push_back(MakePoint(i, -i, 2.0 * i, kRed + i));
    ChamberData conditions(500.0, 0.8, 0.6);
    return EncodeEventFile(conditions, points);
}

std::vector<uint8_t> ValidP()
{
    Bytes bytes;
    bytes.Byte('P').BigInt16(4);
    for (int i = 0; i < 4; ++i)
        AppendPPoint(bytes, MakePoint(i, 2.0 * i, -i, 0), static_cast<int16_t>(2 + i));
    AppendPTrailer(bytes, 500.0, 0.8, 0.6);
    return bytes.data;
}

// Flips a few bytes, cuts the end off or overwrites the count.
std::vector<uint8_t> Mutate(std::vector<uint8_t> bytes, std::mt19937& random)
{
    switch (random() % 3) {
    case 0:
        for (int flips = 1 + static_cast<int>(random() % 4); flips > 0; --flips)
            bytes[random() % bytes.size()] ^= static_cast<uint8_t>(1 + random() % 255);
        break;
    case 1: bytes.resize(random() % bytes.size()); break;
    default: {
        const std::size_t countOffset = bytes[0] == 'W' ? 49 : 1;
        const std::size_t countBytes = bytes[0] == 'W' ? 4 : 2;
        for (std::size_t i = 0; i < countBytes; ++i)
            bytes[countOffset + i] = static_cast<uint8_t>(random());
    }
    }
    return bytes;
}

} // namespace

TEST(EventFileFuzz, RandomBytesNeverYieldMorePointsThanTheyHold)
{
    std::mt19937 random(20260107);
    int accepted = 0;
    for (int i = 0; i < 4000; ++i) {
        std::vector<uint8_t> bytes = RandomBytes(random, random() % 600);
        if (!bytes.empty() && i % 2 == 0)
            bytes[0] = i % 4 == 0 ? 'W' : 'P';
        const ReadOutcome outcome = ParseEventBytes(bytes);
        accepted += outcome.Ok();
        ExpectSoundEvent(bytes, outcome);
    }
    EXPECT_LT(accepted, 4000);
}

TEST(EventFileFuzz, MutatedValidFilesNeverYieldUnreadPoints)
{
    std::mt19937 random(7);
    for (const std::vector<uint8_t>& valid : {ValidW(), ValidP()}) {
        ASSERT_TRUE(ParseEventBytes(valid).Ok());
        int rejected = 0;
        for (int i = 0; i < 3000; ++i) {
            const std::vector<uint8_t> bytes = Mutate(valid, random);
            const ReadOutcome outcome = ParseEventBytes(bytes);
            rejected += !outcome.Ok();
            ExpectSoundEvent(bytes, outcome);
        }
        // The mutations must really reach the reader's failure paths.
        EXPECT_GT(rejected, 500);
    }
}
