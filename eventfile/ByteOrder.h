#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

// Numbers of the event files, byte by byte, whatever the byte order of this machine.
// 'W' files are little-endian, 'P' files big-endian; doubles are IEEE 754 binary64.
namespace byteorder {

// The bytes of value in the opposite order.
template <typename Unsigned>
constexpr Unsigned Reversed(Unsigned value)
{
    Unsigned reversed = 0;
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i) {
        reversed = static_cast<Unsigned>((reversed << 8) | (value & 0xFF));
        value = static_cast<Unsigned>(value >> 8);
    }
    return reversed;
}

// Loads go through memcpy, which compilers turn into one load (and a byte swap where the
// orders differ).
template <typename Unsigned>
Unsigned LoadLittle(const uint8_t* bytes)
{
    Unsigned value;
    std::memcpy(&value, bytes, sizeof value);
    if constexpr (std::endian::native == std::endian::big)
        value = Reversed(value);
    return value;
}

template <typename Unsigned>
Unsigned LoadBig(const uint8_t* bytes)
{
    Unsigned value;
    std::memcpy(&value, bytes, sizeof value);
    if constexpr (std::endian::native == std::endian::little)
        value = Reversed(value);
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
