// Writes the program icon as PNG files for the desktop's icon theme:
//   tracelume-icons <folder>   writes <folder>/<N>x<N>/apps/tracelume.png for N = 32, 64, 128
//                              and 256: icon 100 drawn at its own 32 pixels, then each pixel
//                              repeated 2, 4 and 8 times, so every size keeps the sharp edges
//                              of the original.
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

constexpr int kScales[] = {1, 2, 4, 8};

std::optional<PixelImage> DrawIconImage()
{
    CDC dc;
    CBitmap bitmap;
    if (!dc.CreateCompatibleDC(nullptr) || !bitmap.CreateCompatibleBitmap(artwork::kIconSize, artwork::kIconSize))
        return std::nullopt;
    CBitmap* old = dc.SelectObject(&bitmap);
    artwork::DrawIcon(dc);
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
    const std::optional<PixelImage> icon = DrawIconImage();
    if (!icon) {
        std::fprintf(stderr, "cannot draw the icon\n");
        return 1;
    }
    for (int factor : kScales) {
        const std::string size = std::to_string(artwork::kIconSize * factor);
        const std::filesystem::path folder = std::filesystem::path(argv[1]) / (size + "x" + size) / "apps";
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        const std::string path = (folder / "tracelume.png").string();
        if (!platform::SavePng(Enlarge(*icon, factor), path)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
