#include "DrawingSupport.h"

#include "platform/gfx/DC.h"
#include "platform/gfx/Screen.h"
#include "platform/gfx/SystemPalette.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The chamber's three box colours: none of them is a static colour.
const std::vector<PaletteEntry> kChamberColours = {{51, 205, 255, 0}, {153, 51, 51, 0}, {0, 188, 0, 0}};

std::vector<PaletteEntry> DistinctColours(int count, uint8_t blue)
{
    std::vector<PaletteEntry> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back({uint8_t(1 + i % 250), uint8_t(3 + i / 250), blue, 0});
    return entries;
}

class PaletteTest : public ::testing::Test {
protected:
    void TearDown() override { platform::ResetScreen(); }

    static CPalette& Make(CPalette& palette, const std::vector<PaletteEntry>& entries)
    {
        EXPECT_TRUE(palette.CreatePalette({0x300, entries}));
        return palette;
    }
    TestSurface surface{8, 8};
};

TEST_F(PaletteTest, LogicalPalettesNeedVersion0x300AndSomeEntries)
{
    CPalette palette;
    EXPECT_FALSE(palette.CreatePalette({0x200, kChamberColours}));
    EXPECT_FALSE(palette.CreatePalette({0x300, {}}));
    EXPECT_FALSE(palette.IsCreated());
    EXPECT_TRUE(palette.CreatePalette({0x300, kChamberColours}));
    EXPECT_EQ(palette.GetEntryCount(), 3);
    EXPECT_EQ(palette.Entries(), kChamberColours);
}

TEST_F(PaletteTest, TrueColourDisplaysHaveNoPaletteAndRealiseNothing)
{
    platform::SetScreen(ScreenFacts{});
    EXPECT_EQ(surface.dc.GetDeviceCaps(DeviceCap::RasterCaps) & kRasterCapsPalette, 0);
    EXPECT_EQ(surface.dc.GetDeviceCaps(DeviceCap::SizePalette), 0);
    CPalette palette;
    surface.dc.SelectPalette(&Make(palette, kChamberColours), false);
    EXPECT_EQ(surface.dc.RealizePalette(), 0u);
    // Palette-relative colours are drawn as written.
    surface.dc.FillSolidRect({0, 0, 1, 1}, PaletteRgb(50, 200, 250));
    EXPECT_EQ(surface.At(0, 0), ToPixel(Rgb(50, 200, 250)));
}

TEST_F(PaletteTest, APaletteDisplayReportsItsPalette)
{
    platform::SetScreen(ScreenFacts::PaletteDisplay());
    EXPECT_NE(surface.dc.GetDeviceCaps(DeviceCap::RasterCaps) & kRasterCapsPalette, 0);
    EXPECT_EQ(surface.dc.GetDeviceCaps(DeviceCap::SizePalette), 256);
    EXPECT_EQ(surface.dc.GetDeviceCaps(DeviceCap::BitsPixel), 8);
    EXPECT_GE(surface.dc.GetDeviceCaps(DeviceCap::DriverVersion), 0x300);
}

TEST_F(PaletteTest, ForegroundRealisationCountsNewEntriesOnceThenNone)
{
    platform::SetScreen(ScreenFacts::PaletteDisplay());
    CPalette palette;
    surface.dc.SelectPalette(&Make(palette, kChamberColours), false);
    EXPECT_EQ(surface.dc.RealizePalette(), 3u);
    EXPECT_EQ(surface.dc.RealizePalette(), 0u);
    TestSurface other(2, 2);
    other.dc.SelectPalette(&palette, false);
    EXPECT_EQ(other.dc.RealizePalette(), 0u);
    EXPECT_EQ(platform::CurrentSystemPalette().FreeCount(), 236 - 3);
}

TEST_F(PaletteTest, StaticAndRepeatedColoursTakeNoEntry)
{
    platform::SetScreen(ScreenFacts::PaletteDisplay());
    CPalette palette;
    const std::vector<PaletteEntry> entries = {{255, 0, 0, 0}, {1, 2, 3, 0}, {1, 2, 3, 0}, {255, 255, 255, 0}};
    surface.dc.SelectPalette(&Make(palette, entries), false);
    EXPECT_EQ(surface.dc.RealizePalette(), 1u);
}

TEST_F(PaletteTest, ResettingTheScreenFreesTheSystemPalette)
{
    platform::SetScreen(ScreenFacts::PaletteDisplay());
    CPalette palette;
    surface.dc.SelectPalette(&Make(palette, kChamberColours), false);
    EXPECT_EQ(surface.dc.RealizePalette(), 3u);
    platform::SetScreen(ScreenFacts::PaletteDisplay());
    EXPECT_EQ(surface.dc.RealizePalette(), 3u);
}

TEST_F(PaletteTest, AFullSystemPaletteTakesForegroundColoursButNotBackgroundOnes)
{
    platform::SetScreen(ScreenFacts::PaletteDisplay());
    CPalette big, late;
    surface.dc.SelectPalette(&Make(big, DistinctColours(240, 7)), false);
    EXPECT_EQ(surface.dc.RealizePalette(), 236u); // only the non-static entries
    EXPECT_EQ(platform::CurrentSystemPalette().FreeCount(), 0);

    TestSurface other(2, 2);
    other.dc.SelectPalette(&Make(late, kChamberColours), true);
    EXPECT_EQ(other.dc.RealizePalette(), 0u); // background: no free entry
    other.dc.SelectPalette(&late, false);
    EXPECT_EQ(other.dc.RealizePalette(), 3u); // foreground: takes three over
    EXPECT_EQ(other.dc.RealizePalette(), 0u);
}

TEST_F(PaletteTest, BackgroundRealisationUsesFreeEntries)
{
    platform::SetScreen(ScreenFacts::PaletteDisplay());
    CPalette palette;
    surface.dc.SelectPalette(&Make(palette, DistinctColours(5, 99)), true);
    EXPECT_EQ(surface.dc.RealizePalette(), 5u);
    EXPECT_EQ(platform::CurrentSystemPalette().FreeCount(), 231);
}

TEST_F(PaletteTest, PaletteRelativeColoursTakeTheNearestEntryOnceRealised)
{
    platform::SetScreen(ScreenFacts::PaletteDisplay());
    CPalette palette;
    surface.dc.SelectPalette(&Make(palette, kChamberColours), false);
    surface.dc.FillSolidRect({0, 0, 1, 1}, PaletteRgb(50, 200, 250)); // not realised yet
    surface.dc.RealizePalette();
    surface.dc.FillSolidRect({1, 0, 2, 1}, PaletteRgb(50, 200, 250));
    surface.dc.FillSolidRect({2, 0, 3, 1}, PaletteRgb(10, 170, 20));
    surface.dc.FillSolidRect({3, 0, 4, 1}, Rgb(50, 200, 250)); // an ordinary colour
    EXPECT_EQ(surface.At(0, 0), ToPixel(Rgb(50, 200, 250)));
    EXPECT_EQ(surface.At(1, 0), ToPixel(Rgb(51, 205, 255)));
    EXPECT_EQ(surface.At(2, 0), ToPixel(Rgb(0, 188, 0)));
    EXPECT_EQ(surface.At(3, 0), ToPixel(Rgb(50, 200, 250)));
    // Selecting the palette again undoes the realisation.
    surface.dc.SelectPalette(&palette, false);
    surface.dc.FillSolidRect({4, 0, 5, 1}, PaletteRgb(50, 200, 250));
    EXPECT_EQ(surface.At(4, 0), ToPixel(Rgb(50, 200, 250)));
}

TEST_F(PaletteTest, SelectPaletteReturnsThePreviousPalette)
{
    CPalette first, second;
    EXPECT_EQ(surface.dc.SelectPalette(&Make(first, kChamberColours), false), nullptr);
    EXPECT_EQ(surface.dc.SelectPalette(&Make(second, kChamberColours), true), &first);
    EXPECT_EQ(surface.dc.SelectPalette(nullptr, false), &second);
    EXPECT_EQ(surface.dc.RealizePalette(), 0u);
}

}
