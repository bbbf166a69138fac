// Draws the program's own pictures and writes them as 4-bit indexed BMP files:
//   tracelume-artwork <folder>   writes into <folder> bitmap169.bmp (the About and splash
//                                picture), icon100.bmp (the program icon), bitmap139.bmp and
//                                bitmap142.bmp (the slider knob and tracks), bitmap144.bmp and
//                                bitmap145.bmp (the Trackmaker's field knob and track),
//                                bitmap160.bmp to bitmap162.bmp (the slider labels, black and
//                                white only), and
//                                bitmap170.bmp to bitmap172.bmp and bitmap174.bmp (the reminder
//                                pictures, 8-bit).
// The build does not run it; run it after changing a picture and commit the files it writes,
// normally with the folder shell/resources.
#include "tools/artwork/Artwork.h"
#include "tools/artwork/IndexedBitmap.h"
#include "tools/artwork/ReminderArt.h"
#include "tools/artwork/SliderArt.h"

#include "platform/gfx/DC.h"
#include "platform/gfx/GuiApplication.h"

#include <array>
#include <cstdio>
#include <span>
#include <string>

namespace {

using DrawFunction = void (*)(CDC&);

const std::array<Colour, 2> kBlackAndWhite{colours::kBlack, colours::kWhite};

// Renders a picture of the given size, quantises it to palette and writes it.
bool WritePicture(const std::string& path, int width, int height, DrawFunction draw, std::span<const Colour> palette)
{
    const bool eightBit = palette.size() > 16;
    CDC dc;
    CBitmap bitmap;
    if (!dc.CreateCompatibleDC(nullptr) || !bitmap.CreateCompatibleBitmap(width, height))
        return false;
    CBitmap* old = dc.SelectObject(&bitmap);
    draw(dc);
    dc.SelectObject(old);
    const IndexedImage indexed = artwork::Quantise(*bitmap.Image(), palette);
    return artwork::WriteFile(path, eightBit ? artwork::EncodeBmp8(indexed, palette) : artwork::EncodeBmp4(indexed, palette));
}

}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    if (!platform::EnsureGuiApplication()) {
        std::fprintf(stderr, "cannot draw text: no GUI application\n");
        return 1;
    }
    const std::string folder = argv[1];
    const struct {
        std::string name;
        int width;
        int height;
        DrawFunction draw;
        std::span<const Colour> palette;
    } pictures[] = {
        {"bitmap169.bmp", artwork::kSplashWidth, artwork::kSplashHeight, artwork::DrawSplash, artwork::Palette()},
        {"icon100.bmp", artwork::kIconSize, artwork::kIconSize, artwork::DrawIcon, artwork::Palette()},
        {"bitmap139.bmp", artwork::kKnobWidth, artwork::kKnobHeight, artwork::DrawKnob, artwork::Palette()},
        {"bitmap142.bmp", artwork::kTracksWidth, artwork::kTracksHeight, artwork::DrawTracks, artwork::Palette()},
        {"bitmap144.bmp", artwork::kFieldKnobWidth, artwork::kFieldKnobHeight, artwork::DrawFieldKnob, artwork::Palette()},
        {"bitmap145.bmp", artwork::kFieldTrackWidth, artwork::kFieldTrackHeight, artwork::DrawFieldTrack, artwork::Palette()},
        {"bitmap160.bmp", artwork::kSidesLabelWidth, artwork::kLabelHeight, artwork::DrawSidesLabel, kBlackAndWhite},
        {"bitmap161.bmp", artwork::kEnergyLabelWidth, artwork::kLabelHeight, artwork::DrawEnergyLabel, kBlackAndWhite},
        {"bitmap162.bmp", artwork::kFieldLabelWidth, artwork::kLabelHeight, artwork::DrawFieldLabel, kBlackAndWhite},
        {"bitmap170.bmp", artwork::kEnergyWidth, artwork::kEnergyHeight, artwork::DrawEnergyMomentum, artwork::Palette256()},
        {"bitmap171.bmp", artwork::kRealLifeWidth, artwork::kRealLifeHeight, artwork::DrawRealLife, artwork::Palette256()},
        {"bitmap172.bmp", artwork::kMotionWidth, artwork::kMotionHeight, artwork::DrawMotionInField, artwork::Palette256()},
        {"bitmap174.bmp", artwork::kToolsWidth, artwork::kToolsHeight, artwork::DrawUsefulTools, artwork::Palette256()},
    };
    for (const auto& picture : pictures) {
        const std::string path = folder + "/" + picture.name;
        if (!WritePicture(path, picture.width, picture.height, picture.draw, picture.palette)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("wrote %s\n", path.c_str());
    }
    return 0;
}
