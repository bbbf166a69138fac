#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

// Numbers of the event files, byte by byte, whatever the byte order of this machine.
// 'W' files are little-endian, 'P' files big-endian; doubles are IEEE 754 binary64.
namespace byteorder {

template <typename Unsigned>
Unsigned LoadLittle(const uint8_t* bytes)
{
    Unsigned value = 0;
    for (std::size_t i = sizeof(Unsigned); i-- > 0;)
        value = static_cast<Unsigned>((value << 8) | bytes[i]);
    return value;
}

template <typename Unsigned>
Unsigned LoadBig(const uint8_t* bytes)
{
    Unsigned value = 0;
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i)
        value = static_cast<Unsigned>((value << 8) | bytes[i]);
    return value;
}

template <typename Unsigned>
void StoreLittle(Unsigned value, uint8_t* bytes)
{
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i)
        bytes[i] = static_cast<uint8_t>(value >> (8 * i));
}

inline double LittleDouble(const uint8_t* bytes) { return std::bit_cast<double>(LoadLittle<uint64_t>(bytes)); }
inline double BigDouble(const uint8_t* bytes) { return std::bit_cast<double>(LoadBig<uint64_t>(bytes)); }
inline int32_t LittleInt32(const uint8_t* bytes) { return static_cast<int32_t>(LoadLittle<uint32_t>(bytes)); }
inline int16_t BigInt16(const uint8_t* bytes) { return static_cast<int16_t>(LoadBig<uint16_t>(bytes)); }

inline void PutLittleDouble(double value, uint8_t* bytes) { StoreLittle(std::bit_cast<uint64_t>(value), bytes); }
inline void PutLittleInt32(int32_t value, uint8_t* bytes) { StoreLittle(static_cast<uint32_t>(value), bytes); }

} // namespace byteorder
