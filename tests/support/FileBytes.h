#pragma once

// Event files built byte by byte for the tests, independently of the codec's own encoder,
// and a scratch directory that removes itself.

#include "physics/ChamberEvent.h"
#include "tests/support/TrackPoints.h"

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

class Bytes {
public:
    Bytes& Byte(uint8_t value) { data.push_back(value); return *this; }
    Bytes& Zeros(std::size_t count) { data.insert(data.end(), count, 0); return *this; }
    Bytes& LittleDouble(double value) { return Little(std::bit_cast<uint64_t>(value), 8); }
    Bytes& LittleInt32(int32_t value) { return Little(static_cast<uint32_t>(value), 4); }
    Bytes& BigDouble(double value) { return Big(std::bit_cast<uint64_t>(value), 8); }
    Bytes& BigInt16(int16_t value) { return Big(static_cast<uint16_t>(value), 2); }

    std::vector<uint8_t> data;

private:
    Bytes& Little(uint64_t value, int size)
    {
        for (int i = 0; i < size; ++i)
            data.push_back(static_cast<uint8_t>(value >> (8 * i)));
        return *this;
    }
    Bytes& Big(uint64_t value, int size)
    {
        for (int i = size - 1; i >= 0; --i)
            data.push_back(static_cast<uint8_t>(value >> (8 * i)));
        return *this;
    }
};

struct StoredConditions {
    double lengthCm = 500.0;
    double fieldKG = 0.8;
    double energyMeV = 0.6;
    double scale = 1.6;
    int32_t changed = 0;
};

inline Bytes WHeader(const StoredConditions& c, int32_t count)
{
    Bytes bytes;
    bytes.Byte('W').Zeros(8).LittleDouble(c.lengthCm).LittleDouble(c.fieldKG).LittleDouble(c.energyMeV);
    bytes.LittleDouble(c.scale).LittleInt32(c.changed).Zeros(4).LittleInt32(count);
    return bytes;
}

inline void AppendWPoint(Bytes& bytes, const TrackPoint& p)
{
    bytes.LittleDouble(p.x).LittleDouble(p.y).LittleDouble(p.z).LittleDouble(p.w).LittleDouble(p.spare);
    bytes.LittleInt32(p.colour).Zeros(4);
}

inline std::vector<uint8_t> WFile(const StoredConditions& c, const std::vector<TrackPoint>& points)
{
    Bytes bytes = WHeader(c, static_cast<int32_t>(points.size()));
    for (const TrackPoint& p : points)
        AppendWPoint(bytes, p);
    return bytes.data;
}

inline void AppendPPoint(Bytes& bytes, const TrackPoint& p, int16_t colour)
{
    bytes.BigDouble(p.x).BigDouble(p.y).BigDouble(p.z).BigDouble(p.w).BigDouble(p.spare);
    bytes.BigInt16(colour).Byte(0xAB).Byte(0xCD).Zeros(4);
}

// The 72 bytes after the points of a 'P' file; the ignored values are filled with noise.
inline void AppendPTrailer(Bytes& bytes, double lengthCm, double fieldKG, double energyMeV)
{
    bytes.BigDouble(lengthCm).BigDouble(-1.0);
    bytes.BigDouble(111.0).BigDouble(222.0).BigDouble(fieldKG);
    bytes.BigDouble(333.0).BigDouble(444.0).BigDouble(555.0);
    bytes.BigDouble(energyMeV);
}

// A directory under the system's temporary directory, removed with its contents.
class ScratchDir {
public:
    ScratchDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tracelume-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~ScratchDir()
    {
        std::error_code error;
        if (!path_.empty())
            std::filesystem::remove_all(path_, error);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string Path(const std::string& name) const { return path_ + "/" + name; }
    const std::string& Root() const { return path_; }

    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const
    {
        const std::string path = Path(name);
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    std::vector<uint8_t> Read(const std::string& name) const
    {
        std::ifstream in(Path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        return names;
    }

private:
    std::string path_;
};
