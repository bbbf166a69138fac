#include "platform/gfx/ImageFile.h"

#include <QImage>
#include <QString>

namespace {

QImage ToQImage(const PixelImage& image)
{
    QImage out(image.width, image.height, QImage::Format_RGB32);
    for (int y = 0; y < image.height; ++y) {
        const Pixel* from = image.Row(y);
        auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < image.width; ++x)
            to[x] = image.monochrome ? (from[x] ? 0xFFFFFFFFu : 0xFF000000u) : (0xFF000000u | from[x]);
    }
    return out;
}

} // namespace

namespace platform {

bool SavePng(const PixelImage& image, const std::string& path)
{
    if (image.width <= 0 || image.height <= 0 || image.pixels.size() < size_t(image.width) * size_t(image.height))
        return false;
    return ToQImage(image).save(QString::fromStdString(path), "PNG");
}

}
