#pragma once

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <utility>

// (width, height) that the PNG file at path states in its header; nothing for other files.
inline std::optional<std::pair<uint32_t, uint32_t>> PngSize(const std::string& path)
{
    unsigned char h[24] = {};
    if (!std::ifstream(path, std::ios::binary).read(reinterpret_cast<char*>(h), sizeof h) ||
        std::string(h + 1, h + 4) != "PNG" || std::string(h + 12, h + 16) != "IHDR")
        return std::nullopt;
    const auto big = [&](int at) { return uint32_t(h[at]) << 24 | uint32_t(h[at + 1]) << 16 | uint32_t(h[at + 2]) << 8 | h[at + 3]; };
    return std::pair{big(16), big(20)};
}
