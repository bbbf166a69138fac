#include "platform/gfx/Bmp.h"

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;
constexpr size_t kInfoHeaderSize = 40;
constexpr uint32_t kBitFields = 3;

uint16_t Read16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
uint32_t Read32(const uint8_t* p) { return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24); }
int32_t ReadSigned32(const uint8_t* p) { return int32_t(Read32(p)); }

bool KnownDepth(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32; }

bool SizeAccepted(int64_t width, int64_t height)
{
    return width > 0 && height > 0 && width <= kMaxBitmapSide && height <= kMaxBitmapSide &&
           width * height <= kMaxBitmapPixels;
}

struct InfoFields {
    int64_t width = 0;
    int64_t height = 0;
    int planes = 0;
    int bits = 0;
    bool topDown = false;
    uint32_t compression = 0;
    uint32_t coloursUsed = 0;
    size_t entrySize = 4;
};

// The fields of either header form; the caller has checked that headerSize bytes are there.
InfoFields ReadInfo(const uint8_t* info, size_t headerSize)
{
    InfoFields f;
    if (headerSize == kCoreHeaderSize) {
        f.width = Read16(info + 4);
        f.height = Read16(info + 6);
        f.planes = Read16(info + 8);
        f.bits = Read16(info + 10);
        f.entrySize = 3;
        return f;
    }
    f.width = ReadSigned32(info + 4);
    const int64_t height = ReadSigned32(info + 8);
    f.height = height < 0 ? -height : height;
    f.topDown = height < 0;
    f.planes = Read16(info + 12);
    f.bits = Read16(info + 14);
    f.compression = Read32(info + 16);
    f.coloursUsed = Read32(info + 32);
    return f;
}

bool KnownHeaderSize(size_t size) { return size == kCoreHeaderSize || size >= kInfoHeaderSize; }

} // namespace

std::optional<BmpHeader> ParseBmpHeader(const uint8_t* data, size_t size)
{
    if (data == nullptr || size < kFileHeaderSize + kCoreHeaderSize || data[0] != 'B' || data[1] != 'M')
        return std::nullopt;
    const size_t pixelOffset = Read32(data + 10);
    const size_t headerSize = Read32(data + kFileHeaderSize);
    if (!KnownHeaderSize(headerSize) || headerSize > size - kFileHeaderSize || pixelOffset >= size)
        return std::nullopt;
    const InfoFields f = ReadInfo(data + kFileHeaderSize, headerSize);
    if (f.planes != 1 || !KnownDepth(f.bits) || !SizeAccepted(f.width, f.height))
        return std::nullopt;

    BmpHeader header{int(f.width), int(f.height), f.bits, {}, pixelOffset, f.compression, f.topDown};
    if (f.bits > 8)
        return header;
    const uint32_t maxColours = 1u << f.bits;
    if (f.coloursUsed > maxColours)
        return std::nullopt;
    const size_t count = f.coloursUsed != 0 ? f.coloursUsed : maxColours;
    // A 40-byte header with bit-field compression is followed by three masks before the table.
    const size_t masks = (headerSize == kInfoHeaderSize && f.compression == kBitFields) ? 12 : 0;
    const size_t tableStart = kFileHeaderSize + headerSize + masks;
    if (tableStart + count * f.entrySize > size)
        return std::nullopt;
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* entry = data + tableStart + i * f.entrySize;
        header.colourTable.push_back({entry[2], entry[1], entry[0], 0});
    }
    return header;
}

std::optional<PixelImage> DecodePlainBmp(const uint8_t* data, size_t size, const BmpHeader& header)
{
    const int bits = header.bitsPerPixel;
    if (data == nullptr || header.compression != 0 || bits == 16)
        return std::nullopt;
    const size_t stride = (size_t(header.width) * size_t(bits) + 31) / 32 * 4;
    if (header.pixelOffset > size || stride * size_t(header.height) > size - header.pixelOffset)
        return std::nullopt;
    std::vector<Pixel> table(size_t(1) << (bits <= 8 ? bits : 0), 0xFF000000u);
    for (size_t i = 0; i < header.colourTable.size() && i < table.size(); ++i) {
        const PaletteEntry& e = header.colourTable[i];
        table[i] = 0xFF000000u | (uint32_t(e.red) << 16) | (uint32_t(e.green) << 8) | e.blue;
    }
    PixelImage image(header.width, header.height);
    for (int y = 0; y < header.height; ++y) {
        const int storedRow = header.topDown ? y : header.height - 1 - y;
        const uint8_t* row = data + header.pixelOffset + stride * size_t(storedRow);
        Pixel* out = image.Row(y);
        for (int x = 0; x < header.width; ++x) {
            switch (bits) {
            case 1: out[x] = table[(row[x / 8] >> (7 - x % 8)) & 1u]; break;
            case 4: out[x] = table[(row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xFu]; break;
            case 8: out[x] = table[row[x]]; break;
            default: {
                const uint8_t* p = row + size_t(x) * size_t(bits / 8);
                out[x] = 0xFF000000u | (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
            }
            }
        }
    }
    return image;
}
