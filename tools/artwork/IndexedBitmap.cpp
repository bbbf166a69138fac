#include "tools/artwork/IndexedBitmap.h"

#include "platform/gfx/Gdi.h"

#include <algorithm>
#include <cassert>
#include <fstream>

namespace artwork {

namespace {

constexpr int kFileHeaderBytes = 14;
constexpr int kInfoHeaderBytes = 40;

int Square(int v) { return v * v; }

int Distance(Colour a, Colour b)
{
    return Square(a.red - b.red) + Square(a.green - b.green) + Square(a.blue - b.blue);
}

void Put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(uint8_t(v & 0xFF));
    out.push_back(uint8_t((v >> 8) & 0xFF));
}

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// Bytes of one stored row, padded to a multiple of four bytes.
int RowBytes(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

void PutHeaders(std::vector<uint8_t>& out, const IndexedImage& image, int colours, int bits)
{
    const uint32_t tableBytes = uint32_t(colours) * 4;
    const uint32_t pixelOffset = kFileHeaderBytes + kInfoHeaderBytes + tableBytes;
    const uint32_t pixelBytes = uint32_t(RowBytes(image.width, bits)) * uint32_t(image.height);
    out.push_back('B');
    out.push_back('M');
    Put32(out, pixelOffset + pixelBytes);
    Put32(out, 0);
    Put32(out, pixelOffset);
    Put32(out, kInfoHeaderBytes);
    Put32(out, uint32_t(image.width));
    Put32(out, uint32_t(image.height)); // positive: rows are stored bottom-up
    Put16(out, 1);
    Put16(out, uint32_t(bits));
    Put32(out, 0); // no compression
    Put32(out, pixelBytes);
    Put32(out, 2835); // 72 dots per inch, in dots per metre
    Put32(out, 2835);
    Put32(out, uint32_t(colours));
    Put32(out, uint32_t(colours));
}

void PutColourTable(std::vector<uint8_t>& out, std::span<const Colour> palette)
{
    for (const Colour& c : palette) {
        out.push_back(c.blue);
        out.push_back(c.green);
        out.push_back(c.red);
        out.push_back(0);
    }
}

void PutRows(std::vector<uint8_t>& out, const IndexedImage& image, int colours, int bits)
{
    const int rowBytes = RowBytes(image.width, bits);
    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(size_t(rowBytes), 0);
        for (int x = 0; x < image.width; ++x) {
            uint8_t index = image.At(x, y);
            assert(index < colours && "an index outside the palette: quantise with the same palette");
            if (index >= colours)
                index = 0;
            if (bits == 8)
                row[size_t(x)] = index;
            else
                row[size_t(x / 2)] |= (x % 2 == 0) ? uint8_t(index << 4) : index;
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

}

int NearestIndex(Colour colour, std::span<const Colour> palette)
{
    int best = 0;
    int bestDistance = -1;
    for (size_t i = 0; i < palette.size(); ++i) {
        const int d = Distance(colour, palette[i]);
        if (bestDistance < 0 || d < bestDistance) {
            best = int(i);
            bestDistance = d;
        }
    }
    return best;
}

IndexedImage Quantise(const PixelImage& image, std::span<const Colour> palette)
{
    IndexedImage out{image.width, image.height, {}};
    out.indices.reserve(image.pixels.size());
    for (Pixel p : image.pixels)
        out.indices.push_back(uint8_t(NearestIndex(FromPixel(p), palette)));
    return out;
}

namespace {

std::vector<uint8_t> EncodeBmp(const IndexedImage& image, std::span<const Colour> palette, int bits)
{
    const size_t most = size_t(1) << bits;
    assert(!palette.empty() && palette.size() <= most && "the palette does not fit the depth");
    const int colours = int(std::min<size_t>(std::max<size_t>(palette.size(), 1), most));
    std::vector<uint8_t> out;
    PutHeaders(out, image, colours, bits);
    if (palette.empty())
        PutColourTable(out, std::span<const Colour>(&colours::kBlack, 1));
    else
        PutColourTable(out, palette.first(size_t(colours)));
    PutRows(out, image, colours, bits);
    return out;
}

}

std::vector<uint8_t> EncodeBmp4(const IndexedImage& image, std::span<const Colour> palette)
{
    return EncodeBmp(image, palette, 4);
}

std::vector<uint8_t> EncodeBmp8(const IndexedImage& image, std::span<const Colour> palette)
{
    return EncodeBmp(image, palette, 8);
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(file);
}

}
