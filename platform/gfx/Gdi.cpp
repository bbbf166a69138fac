#include "platform/gfx/Gdi.h"

#include "platform/gfx/Bmp.h"

#include <QFile>
#include <QImage>

#include <cassert>
#include <cstring>

namespace {

constexpr uint16_t kPaletteVersion = 0x300;
constexpr size_t kMaxPaletteEntries = 256;
// Resource files larger than this are not pictures of ours.
constexpr qint64 kMaxResourceBytes = qint64(1) << 28;

bool CreatableSize(int width, int height)
{
    return width > 0 && height > 0 && width <= kMaxBitmapSide && height <= kMaxBitmapSide &&
           int64_t(width) * height <= kMaxBitmapPixels;
}

// Unpacks 1-bit rows (most significant bit first, rows padded to 16 bits) into 0/1 words.
void UnpackMonochrome(PixelImage& image, const uint8_t* bits)
{
    const size_t stride = size_t((image.width + 15) / 16) * 2;
    for (int y = 0; y < image.height; ++y) {
        const uint8_t* row = bits + stride * size_t(y);
        Pixel* out = image.Row(y);
        for (int x = 0; x < image.width; ++x)
            out[x] = (row[x / 8] >> (7 - x % 8)) & 1u;
    }
}

QByteArray ReadResource(int resourceId)
{
    QFile file(QStringLiteral(":/bitmaps/%1.bmp").arg(resourceId));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxResourceBytes)
        return {};
    return file.readAll();
}

struct DecodedBitmap {
    std::unique_ptr<PixelImage> image;
    BmpHeader header;
};

// Decodes a BMP resource into 0xFFRRGGBB pixels; nothing when it is missing or malformed. Plain
// rows are read here; only the rarer forms go through Qt's image reader, whose first use loads
// every image format plugin.
std::optional<DecodedBitmap> DecodeResource(int resourceId)
{
    const QByteArray bytes = ReadResource(resourceId);
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
    auto header = ParseBmpHeader(data, size_t(bytes.size()));
    if (!header)
        return std::nullopt;
    if (std::optional<PixelImage> plain = DecodePlainBmp(data, size_t(bytes.size()), *header))
        return DecodedBitmap{std::make_unique<PixelImage>(std::move(*plain)), std::move(*header)};
    QImage decoded = QImage::fromData(bytes, "BMP");
    if (decoded.isNull() || decoded.width() != header->width || decoded.height() != header->height)
        return std::nullopt;
    decoded = decoded.convertToFormat(QImage::Format_RGB32);
    auto image = std::make_unique<PixelImage>(header->width, header->height);
    for (int y = 0; y < image->height; ++y)
        std::memcpy(image->Row(y), decoded.constScanLine(y), size_t(image->width) * sizeof(Pixel));
    return DecodedBitmap{std::move(image), std::move(*header)};
}

} // namespace

bool CPen::CreatePen(PenStyle style, int width, Colour colour)
{
    assert(width >= 0 && "a pen width is a number of pixels, never negative");
    style_ = style;
    width_ = width < 1 ? 1 : width;
    colour_ = colour;
    created_ = true;
    return true;
}

bool CBrush::CreateSolidBrush(Colour colour)
{
    colour_ = colour;
    created_ = true;
    return true;
}

bool CPalette::CreatePalette(const LogPalette& palette)
{
    if (palette.version != kPaletteVersion || palette.entries.empty() || palette.entries.size() > kMaxPaletteEntries)
        return false;
    entries_ = palette.entries;
    created_ = true;
    return true;
}

bool CRgn::CreateRectRgn(int left, int top, int right, int bottom)
{
    rect_ = {left, top, right, bottom};
    rect_.Normalize();
    created_ = true;
    return true;
}

bool CBitmap::CreateCompatibleBitmap(int width, int height)
{
    if (!CreatableSize(width, height))
        return false;
    image_ = std::make_unique<PixelImage>(width, height);
    colourTable_.clear();
    bitsPerPixel_ = 32;
    return true;
}

bool CBitmap::CreateBitmap(int width, int height, int planes, int bitsPerPixel, const void* bits)
{
    if (!CreatableSize(width, height))
        return false;
    const bool mono = planes == 1 && bitsPerPixel == 1;
    image_ = std::make_unique<PixelImage>(width, height, mono);
    colourTable_.clear();
    bitsPerPixel_ = mono ? 1 : 32;
    if (bits != nullptr && mono)
        UnpackMonochrome(*image_, static_cast<const uint8_t*>(bits));
    else if (bits != nullptr)
        std::memcpy(image_->pixels.data(), bits, image_->pixels.size() * sizeof(Pixel));
    return true;
}

bool CBitmap::LoadBitmap(int resourceId)
{
    auto decoded = DecodeResource(resourceId);
    if (!decoded)
        return false;
    image_ = std::move(decoded->image);
    colourTable_.clear();
    bitsPerPixel_ = 32;
    return true;
}

bool CBitmap::LoadDIBSection(int resourceId)
{
    auto decoded = DecodeResource(resourceId);
    if (!decoded)
        return false;
    image_ = std::move(decoded->image);
    colourTable_ = std::move(decoded->header.colourTable);
    bitsPerPixel_ = decoded->header.bitsPerPixel;
    return true;
}

BitmapInfo CBitmap::GetBitmap() const
{
    if (!image_)
        return {0, 0, 1, 0, 0};
    const int bits = image_->monochrome ? 1 : bitsPerPixel_;
    return {image_->width, image_->height, 1, bits, int(colourTable_.size())};
}
