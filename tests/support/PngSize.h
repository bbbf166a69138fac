#pragma once

// The width and height a PNG file states in its header, read without an image library.

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <utility>

// (width, height) of the PNG file at path; nothing when it is not a PNG file.
inline std::optional<std::pair<uint32_t, uint32_t>> PngSize(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    unsigned char header[24] = {};
    if (!in.read(reinterpret_cast<char*>(header), sizeof header))
        return std::nullopt;
    const std::string signature("\x89PNG\r\n\x1a\n", 8);
    if (std::string(reinterpret_cast<const char*>(header), 8) != signature || std::string(header + 12, header + 16) != "IHDR")
        return std::nullopt;
    const auto big = [&](int at) {
        return uint32_t(header[at]) << 24 | uint32_t(header[at + 1]) << 16 | uint32_t(header[at + 2]) << 8 | header[at + 3];
    };
    return std::pair{big(16), big(20)};
}
