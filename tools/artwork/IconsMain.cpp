// Writes the program icon as PNG files for the desktop's icon theme:
//   tracelume-icons <folder>   writes <folder>/<N>x<N>/apps/tracelume.png for N = 32, 64, 128
//                              and 256: icon 100 drawn at its own 32 pixels, the same pixels
//                              repeated twice for 64, and the icon drawn anew at 128 and 256
//                              pixels with lines, dots and tracks made for that size.
// The build runs it for the installation; it draws offscreen and needs no display.
#include "tools/artwork/Artwork.h"

#include "platform/gfx/DC.h"
#include "platform/gfx/GuiApplication.h"
#include "platform/gfx/ImageFile.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace {

// The sizes written: the pixels of the 32-pixel icon repeated factor times, or drawn at the size.
struct IconSize {
    int pixels;
    int factor; // 0: drawn at its size
};
constexpr IconSize kSizes[] = {{32, 1}, {64, 2}, {128, 0}, {256, 0}};

std::optional<PixelImage> DrawIconImage(int size)
{
    CDC dc;
    CBitmap bitmap;
    if (!dc.CreateCompatibleDC(nullptr) || !bitmap.CreateCompatibleBitmap(size, size))
        return std::nullopt;
    CBitmap* old = dc.SelectObject(&bitmap);
    artwork::DrawIconAt(dc, size);
    dc.SelectObject(old);
    return *bitmap.Image();
}

// Each pixel of image becomes a factor x factor block.
PixelImage Enlarge(const PixelImage& image, int factor)
{
    PixelImage large(image.width * factor, image.height * factor);
    for (int y = 0; y < large.height; ++y) {
        for (int x = 0; x < large.width; ++x)
            large.Row(y)[x] = image.At(x / factor, y / factor);
    }
    return large;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    if (!platform::EnsureGuiApplication()) {
        std::fprintf(stderr, "cannot draw: no GUI application\n");
        return 1;
    }
    const std::optional<PixelImage> icon = DrawIconImage(artwork::kIconSize);
    if (!icon) {
        std::fprintf(stderr, "cannot draw the icon\n");
        return 1;
    }
    for (const IconSize& size : kSizes) {
        const std::string name = std::to_string(size.pixels);
        const std::filesystem::path folder = std::filesystem::path(argv[1]) / (name + "x" + name) / "apps";
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        const std::string path = (folder / "tracelume.png").string();
        const std::optional<PixelImage> image = size.factor > 0 ? Enlarge(*icon, size.factor) : DrawIconImage(size.pixels);
        if (!image || !platform::SavePng(*image, path)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
