#include "DrawingSupport.h"

#include "platform/gfx/DC.h"
#include "platform/gfx/Screen.h"

#include <gtest/gtest.h>

namespace {

class ScreenSeam : public ::testing::Test {
protected:
    void TearDown() override { platform::ResetScreen(); }
};

TEST_F(ScreenSeam, SurfacesAnswerFromTheFactsATestSets)
{
    ScreenFacts facts;
    facts.desktop = {0, 0, 640, 480};
    facts.bitsPerPixel = 16;
    facts.planes = 1;
    facts.logPixelsX = 120;
    facts.logPixelsY = 144;
    facts.driverVersion = 0x30A;
    platform::SetScreen(facts);
    TestSurface surface(2, 2);
    EXPECT_EQ(surface.dc.GetDeviceCaps(DeviceCap::HorzRes), 640);
    EXPECT_EQ(surface.dc.GetDeviceCaps(DeviceCap::VertRes), 480);
    EXPECT_EQ(surface.dc.GetDeviceCaps(DeviceCap::BitsPixel), 16);
    EXPECT_EQ(surface.dc.GetDeviceCaps(DeviceCap::Planes), 1);
    EXPECT_EQ(surface.dc.GetDeviceCaps(DeviceCap::LogPixelsX), 120);
    EXPECT_EQ(surface.dc.GetDeviceCaps(DeviceCap::LogPixelsY), 144);
    EXPECT_EQ(surface.dc.GetDeviceCaps(DeviceCap::DriverVersion), 0x30A);
    EXPECT_EQ(platform::CurrentScreen().desktop, (Rect{0, 0, 640, 480}));
}

TEST_F(ScreenSeam, ThePaletteDisplayIsAnEightBitPaletteDeviceOfTheGivenSize)
{
    const ScreenFacts facts = ScreenFacts::PaletteDisplay({0, 0, 800, 600});
    EXPECT_EQ(facts.desktop, (Rect{0, 0, 800, 600}));
    EXPECT_EQ(facts.bitsPerPixel, 8);
    EXPECT_TRUE(facts.paletteDevice);
    EXPECT_EQ(facts.paletteSize, 256);
    EXPECT_EQ(ScreenFacts::PaletteDisplay().desktop, (Rect{0, 0, 1024, 768}));
}

TEST_F(ScreenSeam, WithoutTestFactsTheRealScreenIsATrueColourDisplay)
{
    platform::SetScreen(ScreenFacts::PaletteDisplay({0, 0, 333, 222}));
    platform::ResetScreen();
    const ScreenFacts& real = platform::CurrentScreen();
    EXPECT_NE(real.desktop, (Rect{0, 0, 333, 222}));
    EXPECT_FALSE(real.desktop.IsEmpty());
    EXPECT_FALSE(real.paletteDevice);
    EXPECT_GE(real.bitsPerPixel, 24);
    EXPECT_GT(real.logPixelsY, 0);
    TestSurface surface(2, 2);
    EXPECT_EQ(surface.dc.GetDeviceCaps(DeviceCap::HorzRes), real.desktop.Width());
    EXPECT_EQ(surface.dc.GetDeviceCaps(DeviceCap::RasterCaps) & kRasterCapsPalette, 0);
}

}
