#include "platform/gfx/Bmp.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/Gdi.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

// The pictures are tests/platform/bitmaps/*.bmp, made by make_bitmaps.py there and shipped in
// the test program's resources as ":/bitmaps/<number>.bmp".
namespace {

PaletteEntry SixteenEntry(int i) { return {uint8_t(i * 16), uint8_t(255 - i * 16), uint8_t((i * 37) % 256), 0}; }

Pixel EntryPixel(const PaletteEntry& e) { return ToPixel(Rgb(e.red, e.green, e.blue)); }

TEST(ResourceBitmaps, FourBitPicturesKeepTheirSixteenColourTable)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadDIBSection(901));
    const BitmapInfo info = bitmap.GetBitmap();
    EXPECT_EQ(info.width, 5);
    EXPECT_EQ(info.height, 3);
    EXPECT_EQ(info.bitsPerPixel, 4);
    EXPECT_EQ(info.planes, 1);
    EXPECT_EQ(info.coloursUsed, 16);
    ASSERT_EQ(bitmap.ColourTable().size(), 16u);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(bitmap.ColourTable()[size_t(i)], SixteenEntry(i)) << i;
    const int indexes[3][5] = {{0, 1, 2, 3, 4}, {15, 14, 13, 12, 11}, {5, 6, 7, 8, 9}};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(bitmap.Image()->At(x, y), EntryPixel(SixteenEntry(indexes[y][x]))) << x << "," << y;
    }
}

TEST(ResourceBitmaps, EightBitPicturesKeepOnlyTheColoursUsed)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadDIBSection(902));
    EXPECT_EQ(bitmap.GetBitmap().bitsPerPixel, 8);
    EXPECT_EQ(bitmap.GetBitmap().coloursUsed, 3);
    const std::vector<PaletteEntry> table = {{255, 0, 0, 0}, {0, 255, 0, 0}, {10, 20, 30, 0}};
    EXPECT_EQ(bitmap.ColourTable(), table);
    const int indexes[2][4] = {{0, 1, 2, 0}, {2, 2, 1, 1}};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(bitmap.Image()->At(x, y), EntryPixel(table[size_t(indexes[y][x])]));
    }
}

TEST(ResourceBitmaps, LoadBitmapGivesAPlainColourBitmapWithTheSamePixels)
{
    CBitmap section, plain;
    ASSERT_TRUE(section.LoadDIBSection(902));
    ASSERT_TRUE(plain.LoadBitmap(902));
    EXPECT_TRUE(plain.ColourTable().empty());
    EXPECT_EQ(plain.GetBitmap().bitsPerPixel, 32);
    EXPECT_EQ(plain.GetBitmap().coloursUsed, 0);
    EXPECT_FALSE(plain.Image()->monochrome);
    EXPECT_EQ(plain.Image()->pixels, section.Image()->pixels);
}

TEST(ResourceBitmaps, TrueColourAndMonochromePicturesLoad)
{
    CBitmap colour, mono;
    ASSERT_TRUE(colour.LoadDIBSection(903));
    EXPECT_TRUE(colour.ColourTable().empty());
    EXPECT_EQ(colour.GetBitmap().bitsPerPixel, 24);
    EXPECT_EQ(colour.Image()->At(0, 0), ToPixel(Rgb(1, 2, 3)));
    EXPECT_EQ(colour.Image()->At(1, 1), ToPixel(Rgb(250, 251, 252)));

    ASSERT_TRUE(mono.LoadBitmap(909)); // stored top-down
    EXPECT_EQ(mono.Image()->At(0, 0), ToPixel(colours::kWhite));
    EXPECT_EQ(mono.Image()->At(1, 0), ToPixel(colours::kBlack));
    EXPECT_EQ(mono.Image()->At(2, 1), ToPixel(colours::kWhite));
    EXPECT_EQ(mono.Image()->At(9, 1), ToPixel(colours::kBlack));
}

TEST(ResourceBitmaps, MalformedAndMissingPicturesFailCleanly)
{
    // 904 cut in its colour table, 905 wrong signature, 906 100000 x 100000 pixels, 907 300
    // colours in 8 bits, 908 pixels past the end, 911 a file header only, 999 missing.
    for (int id : {904, 905, 906, 907, 908, 911, 999}) {
        CBitmap section, plain;
        EXPECT_FALSE(section.LoadDIBSection(id)) << id;
        EXPECT_FALSE(plain.LoadBitmap(id)) << id;
        EXPECT_FALSE(section.IsCreated()) << id;
        EXPECT_EQ(section.GetSize(), Size{}) << id;
    }
}

TEST(ResourceBitmaps, APictureWithShortPixelRowsLoadsWhole)
{
    // 910: the rows stop seven bytes early. Either the load fails or it gives the full size.
    CBitmap bitmap;
    if (bitmap.LoadDIBSection(910)) {
        EXPECT_EQ(bitmap.GetSize(), (Size{5, 3}));
        EXPECT_EQ(bitmap.Image()->pixels.size(), 15u);
    } else {
        EXPECT_FALSE(bitmap.IsCreated());
    }
}

std::vector<uint8_t> CoreHeaderBmp()
{
    // 2 x 1, 1 bit, with the 12-byte header and three-byte table entries.
    std::vector<uint8_t> file = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 32, 0, 0, 0, // file header
                                 12, 0, 0, 0, 2, 0, 1, 0, 1, 0, 1, 0,          // core header
                                 9, 8, 7, 255, 255, 255,                       // table (b, g, r)
                                 0x40, 0, 0, 0};                               // pixels
    return file;
}

TEST(BmpHeader, ReadsTheCoreHeaderForm)
{
    const auto file = CoreHeaderBmp();
    const auto header = ParseBmpHeader(file.data(), file.size());
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->width, 2);
    EXPECT_EQ(header->height, 1);
    EXPECT_EQ(header->bitsPerPixel, 1);
    ASSERT_EQ(header->colourTable.size(), 2u);
    EXPECT_EQ(header->colourTable[0], (PaletteEntry{7, 8, 9, 0}));
}

TEST(BmpHeader, EveryPrefixShorterThanTheTableIsRefused)
{
    const auto file = CoreHeaderBmp();
    for (size_t size = 0; size < 32; ++size)
        EXPECT_FALSE(ParseBmpHeader(file.data(), size).has_value()) << size;
    EXPECT_FALSE(ParseBmpHeader(nullptr, 100).has_value());
}

TEST(BmpHeader, PlanesAndDepthsAreChecked)
{
    auto file = CoreHeaderBmp();
    file[22] = 2; // planes
    EXPECT_FALSE(ParseBmpHeader(file.data(), file.size()).has_value());
    file = CoreHeaderBmp();
    file[24] = 3; // bits per pixel
    EXPECT_FALSE(ParseBmpHeader(file.data(), file.size()).has_value());
    file = CoreHeaderBmp();
    file[18] = 0; // width 0
    EXPECT_FALSE(ParseBmpHeader(file.data(), file.size()).has_value());
}

TEST(CreatedBitmaps, CompatibleBitmapsAreBlackThirtyTwoBitAndSizesAreBounded)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(3, 2));
    EXPECT_EQ(bitmap.GetBitmap().bitsPerPixel, 32);
    EXPECT_EQ(bitmap.Image()->pixels, std::vector<Pixel>(6, ToPixel(colours::kBlack)));
    CBitmap refused;
    EXPECT_FALSE(refused.CreateCompatibleBitmap(0, 5));
    EXPECT_FALSE(refused.CreateCompatibleBitmap(5, -1));
    EXPECT_FALSE(refused.CreateCompatibleBitmap(kMaxBitmapSide + 1, 1));
    EXPECT_TRUE(refused.CreateCompatibleBitmap(kMaxBitmapSide, 1));
}

TEST(CreatedBitmaps, MonochromeBitsAreRowsPaddedToSixteenBits)
{
    // 10 x 2: two bytes a row, most significant bit first.
    const uint8_t bits[] = {0b10110000, 0b01000000, 0b00000000, 0b11000000};
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(10, 2, 1, 1, bits));
    EXPECT_EQ(bitmap.GetBitmap().bitsPerPixel, 1);
    EXPECT_TRUE(bitmap.Image()->monochrome);
    const std::vector<Pixel> expected = {1, 0, 1, 1, 0, 0, 0, 0, 0, 1, //
                                         0, 0, 0, 0, 0, 0, 0, 0, 1, 1};
    EXPECT_EQ(bitmap.Image()->pixels, expected);
}

TEST(CreatedBitmaps, ColourBitsAreWordsAndOtherDepthsMakeColourBitmaps)
{
    const Pixel words[] = {0xFF010203u, 0xFF040506u};
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(2, 1, 1, 32, words));
    EXPECT_FALSE(bitmap.Image()->monochrome);
    EXPECT_EQ(bitmap.Image()->At(1, 0), 0xFF040506u);
    CBitmap twoPlanes;
    ASSERT_TRUE(twoPlanes.CreateBitmap(2, 1, 2, 1));
    EXPECT_FALSE(twoPlanes.Image()->monochrome);
}

}
