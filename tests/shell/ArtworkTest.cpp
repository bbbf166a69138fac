// The artwork generator and the pictures it wrote into the program's resources.
#include "tools/artwork/Artwork.h"
#include "tools/artwork/IndexedBitmap.h"

#include "platform/gfx/DC.h"
#include "platform/gfx/GuiApplication.h"
#include "shell/CommandIds.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {

uint32_t Read32(const std::vector<uint8_t>& b, size_t at)
{
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
uint16_t Read16(const std::vector<uint8_t>& b, size_t at) { return uint16_t(b[at] | b[at + 1] << 8); }

const std::array<Colour, 3> kThree{Rgb(0, 0, 0), Rgb(255, 0, 0), Rgb(0, 0, 255)};

TEST(IndexedBitmap, NearestIndexPicksExactThenClosestThenLowestOnTie)
{
    EXPECT_EQ(artwork::NearestIndex(Rgb(255, 0, 0), kThree), 1);
    EXPECT_EQ(artwork::NearestIndex(Rgb(200, 10, 30), kThree), 1);
    EXPECT_EQ(artwork::NearestIndex(Rgb(10, 0, 200), kThree), 2);
    // (128, 0, 128) is as far from red as from blue; the lower index wins.
    EXPECT_EQ(artwork::NearestIndex(Rgb(128, 0, 128), std::array{Rgb(255, 0, 0), Rgb(0, 0, 255)}), 0);
}

TEST(IndexedBitmap, EncodesHeadersColourTableAndBottomUpNibbleRows)
{
    IndexedImage image{3, 2, {1, 2, 0, /* second row */ 2, 0, 1}};
    const auto bmp = artwork::EncodeBmp4(image, kThree);
    const size_t pixelOffset = 14 + 40 + 3 * 4;
    ASSERT_EQ(bmp.size(), pixelOffset + 2 * 4); // 3 pixels take 2 bytes, padded to 4
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(Read32(bmp, 2), bmp.size());
    EXPECT_EQ(Read32(bmp, 10), pixelOffset);
    EXPECT_EQ(Read32(bmp, 14), 40u);
    EXPECT_EQ(Read32(bmp, 18), 3u);
    EXPECT_EQ(Read32(bmp, 22), 2u);
    EXPECT_EQ(Read16(bmp, 26), 1u);
    EXPECT_EQ(Read16(bmp, 28), 4u);
    EXPECT_EQ(Read32(bmp, 30), 0u);
    EXPECT_EQ(Read32(bmp, 46), 3u);
    // Colour table entries are blue, green, red, 0.
    EXPECT_EQ(bmp[54 + 4 + 0], 0);
    EXPECT_EQ(bmp[54 + 4 + 2], 255);
    EXPECT_EQ(bmp[54 + 8 + 0], 255);
    // The image's last row is stored first; the left pixel is the high nibble.
    const uint8_t firstStored[4] = {0x20, 0x10, 0, 0};
    const uint8_t secondStored[4] = {0x12, 0x00, 0, 0};
    EXPECT_EQ(std::memcmp(&bmp[pixelOffset], firstStored, 4), 0);
    EXPECT_EQ(std::memcmp(&bmp[pixelOffset + 4], secondStored, 4), 0);
}

TEST(IndexedBitmap, RowsArePaddedToFourBytes)
{
    // Eight 4-bit pixels fill exactly four bytes; the ninth needs a second group of four.
    const auto eight = artwork::EncodeBmp4({8, 1, std::vector<uint8_t>(8, 1)}, kThree);
    const auto nine = artwork::EncodeBmp4({9, 1, std::vector<uint8_t>(9, 1)}, kThree);
    EXPECT_EQ(eight.size(), 14 + 40 + 12 + 4u);
    EXPECT_EQ(nine.size(), 14 + 40 + 12 + 8u);
    EXPECT_EQ(nine[14 + 40 + 12 + 4], 0x10); // the ninth pixel, then zero padding
    EXPECT_EQ(nine.back(), 0);
}

TEST(IndexedBitmap, EightBitRowsTakeAByteAPixelAndTheWholeTable)
{
    std::array<Colour, 256> palette{};
    palette[200] = Rgb(10, 20, 30);
    const auto bmp = artwork::EncodeBmp8({5, 2, {200, 1, 2, 3, 4, /* second row */ 9, 8, 7, 6, 255}}, palette);
    const size_t pixelOffset = 14 + 40 + 256 * 4;
    ASSERT_EQ(bmp.size(), pixelOffset + 2 * 8); // 5 bytes a row, padded to 8
    EXPECT_EQ(Read16(bmp, 28), 8u);
    EXPECT_EQ(Read32(bmp, 46), 256u);
    EXPECT_EQ(bmp[54 + 200 * 4 + 2], 10); // red of entry 200
    const uint8_t firstStored[8] = {9, 8, 7, 6, 255, 0, 0, 0};
    const uint8_t secondStored[8] = {200, 1, 2, 3, 4, 0, 0, 0};
    EXPECT_EQ(std::memcmp(&bmp[pixelOffset], firstStored, 8), 0);
    EXPECT_EQ(std::memcmp(&bmp[pixelOffset + 8], secondStored, 8), 0);
}

class ArtworkDrawing : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(platform::EnsureGuiApplication(platform::ApplicationKind::Widgets)); }

    // Draws a picture and returns its 32-bit pixels.
    PixelImage Render(int width, int height, void (*draw)(CDC&))
    {
        CDC dc;
        CBitmap bitmap;
        EXPECT_TRUE(dc.CreateCompatibleDC(nullptr));
        EXPECT_TRUE(bitmap.CreateCompatibleBitmap(width, height));
        CBitmap* old = dc.SelectObject(&bitmap);
        draw(dc);
        dc.SelectObject(old);
        return *bitmap.Image();
    }
};

// Quantising must not change the picture: every pixel already is one of the 16 colours.
TEST_F(ArtworkDrawing, SplashUsesOnlyPaletteColoursAndShowsChamberTracksAndText)
{
    const PixelImage image = Render(artwork::kSplashWidth, artwork::kSplashHeight, artwork::DrawSplash);
    const auto& palette = artwork::Palette();
    std::set<int> used;
    for (Pixel p : image.pixels) {
        const int index = artwork::NearestIndex(FromPixel(p), palette);
        ASSERT_EQ(ToPixel(palette[size_t(index)]), p | 0xFF000000u);
        used.insert(index);
    }
    for (int needed : {artwork::kChamberBlue, artwork::kTrackRed, artwork::kTrackYellow, artwork::kTrackGreen,
                       artwork::kAxisGreen, artwork::kPaleBlue, artwork::kWhite})
        EXPECT_TRUE(used.count(needed)) << "palette entry " << needed << " never drawn";
}

TEST_F(ArtworkDrawing, IconUsesOnlyPaletteColours)
{
    const PixelImage image = Render(artwork::kIconSize, artwork::kIconSize, artwork::DrawIcon);
    const auto& palette = artwork::Palette();
    int chamberPixels = 0;
    for (Pixel p : image.pixels) {
        const int index = artwork::NearestIndex(FromPixel(p), palette);
        ASSERT_EQ(ToPixel(palette[size_t(index)]), p | 0xFF000000u);
        chamberPixels += index == artwork::kChamberBlue;
    }
    EXPECT_GT(chamberPixels, 20);
}

// The files compiled into the program are the generator's: the right size, 4 bits, and the
// generator's 16 colours in its order.
TEST(ProgramResources, AboutBitmapIs503By288With16PaletteColours)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadDIBSection(res::kAboutBitmap));
    const BitmapInfo info = bitmap.GetBitmap();
    EXPECT_EQ(info.width, 503);
    EXPECT_EQ(info.height, 288);
    EXPECT_EQ(info.bitsPerPixel, 4);
    EXPECT_EQ(info.coloursUsed, 16);
    const auto& table = bitmap.ColourTable();
    ASSERT_EQ(table.size(), 16u);
    for (size_t i = 0; i < table.size(); ++i) {
        const Colour c = artwork::Palette()[i];
        EXPECT_EQ(table[i], (PaletteEntry{c.red, c.green, c.blue, 0})) << "entry " << i;
    }
}

TEST(ProgramResources, IconIs32By32)
{
    CBitmap icon;
    ASSERT_TRUE(icon.LoadBitmap(res::kProgramIcon));
    EXPECT_EQ(icon.GetSize(), (Size{32, 32}));
}

// The slider pictures at the sizes the Chamber Controls and the Trackmaker lay out; labels in
// black and white only, and the knob's see-through right part white but for its black arrowhead.
TEST(ProgramResources, SliderPicturesHaveTheirSizesAndColours)
{
    struct Picture {
        int id;
        Size size;
        bool blackAndWhite;
    };
    const Picture pictures[] = {{139, {22, 17}, false},  {142, {94, 177}, false}, {144, {51, 33}, false},
                                {145, {119, 353}, false}, {160, {58, 29}, true},   {161, {47, 29}, true},
                                {162, {62, 29}, true}};
    for (const Picture& picture : pictures) {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(picture.id)) << picture.id;
        EXPECT_EQ(bitmap.GetSize(), picture.size) << picture.id;
        if (!picture.blackAndWhite)
            continue;
        for (Pixel p : bitmap.Image()->pixels)
            EXPECT_TRUE(FromPixel(p) == colours::kBlack || FromPixel(p) == colours::kWhite) << picture.id;
    }
    CBitmap knob;
    ASSERT_TRUE(knob.LoadBitmap(139));
    int black = 0;
    for (int y = 0; y < 17; ++y)
        for (int x = 18; x < 22; ++x) {
            const Colour c = FromPixel(knob.Image()->At(x, y));
            EXPECT_TRUE(c == colours::kBlack || c == colours::kWhite) << x << ", " << y;
            black += c == colours::kBlack ? 1 : 0;
        }
    EXPECT_EQ(black, 7 + 5 + 3 + 1) << "an arrowhead narrowing to its tip";
}

}
