// tracelume-fuzz-seeds <folder>: writes the starting corpus of the fuzz targets.
//   <folder>/event-file/          generated events of every decay type as kind 'W' files (the
//                                 program's own writer) and as kind 'P' files (big-endian),
//                                 and an empty event of each kind
//   <folder>/events-command-line/ argument lists of tracelume-events, one argument per
//                                 NUL-terminated string
#include "eventfile/EventFileWriter.h"
#include "physics/Generators.h"

#include <bit>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kSeed = 1977;
// 'P' files mark light blue with 2.
constexpr int16_t kPLightBlue = 2;

class BigEndianBytes {
public:
    void Byte(uint8_t value) { bytes_.push_back(value); }
    void Int16(int16_t value) { Store(static_cast<uint16_t>(value), 2); }
    void Double(double value) { Store(std::bit_cast<uint64_t>(value), 8); }
    void Zeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }
    std::vector<uint8_t> Take() { return std::move(bytes_); }

private:
    void Store(uint64_t value, int size)
    {
        for (int i = size - 1; i >= 0; --i)
            bytes_.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
    std::vector<uint8_t> bytes_;
};

// A kind 'P' file of the event: count, points with 16-bit colours, then L, B (the third of
// three doubles) and T among the values the reader skips.
std::vector<uint8_t> EncodePFile(const ChamberData& conditions, std::span<const TrackPoint> points)
{
    BigEndianBytes bytes;
    bytes.Byte('P');
    bytes.Int16(static_cast<int16_t>(points.size()));
    for (const TrackPoint& p : points) {
        for (double value : {p.x, p.y, p.z, p.w, p.spare})
            bytes.Double(value);
        bytes.Int16(p.colour == kLightBlue ? kPLightBlue : static_cast<int16_t>(p.colour));
        bytes.Zeros(6);
    }
    bytes.Double(conditions.L());
    bytes.Zeros(8 + 16);
    bytes.Double(conditions.B());
    bytes.Zeros(24);
    bytes.Double(conditions.T());
    return bytes.Take();
}

bool WriteFile(const std::filesystem::path& path, std::span<const uint8_t> bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

bool WriteEvents(const std::filesystem::path& folder)
{
    const ChamberData usual(500.0, 0.8, 0.6);
    const ChamberData strong(250.0, -4.5, 3.0); // a negative field and a short chamber
    bool ok = WriteFile(folder / "empty-w.cwd", EncodeEventFile(usual, {}));
    ok = WriteFile(folder / "empty-p.cwd", EncodePFile(usual, {})) && ok;
    DecayGenerator generator(kSeed);
    for (int type = 1; type <= 6; ++type) {
        for (const ChamberData* conditions : {&usual, &strong}) {
            const auto event = generator.GenerateDecay(type, *conditions);
            const auto points = PointsOf(event->Points());
            const std::string name = "type" + std::to_string(type) + (conditions == &usual ? "" : "-strong");
            ok = WriteFile(folder / (name + "-w.cwd"), EncodeEventFile(*conditions, points)) && ok;
            ok = WriteFile(folder / (name + "-p.cwd"), EncodePFile(*conditions, points)) && ok;
        }
    }
    return ok;
}

bool WriteCommandLines(const std::filesystem::path& folder)
{
    const std::vector<std::vector<std::string>> lines = {
        {"generate", "3", "--seed", "42", "--count", "2", "--B", "-1.5", "--T", "0.25", "--L", "4", "-o", "out"},
        {"generate", "--seed", "4294967295", "6"},
        {"generate", "1", "--count", "0"},
        {"show", "event-0001.cwd", "--points"},
        {"show", "--help"},
        {"--version"},
        {"--help"},
        {"render", "event.cwd", "-o", "event.png"},
    };
    bool ok = true;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::vector<uint8_t> bytes;
        for (const std::string& arg : lines[i]) {
            bytes.insert(bytes.end(), arg.begin(), arg.end());
            bytes.push_back(0);
        }
        ok = WriteFile(folder / ("line" + std::to_string(i + 1)), bytes) && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder / "event-file", error);
    std::filesystem::create_directories(folder / "events-command-line", error);
    if (!WriteEvents(folder / "event-file") || !WriteCommandLines(folder / "events-command-line")) {
        std::fprintf(stderr, "cannot write the seeds into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
