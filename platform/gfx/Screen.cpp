#include "platform/gfx/Screen.h"

#include "platform/gfx/GuiApplication.h"
#include "platform/gfx/SystemPalette.h"

#include <QGuiApplication>
#include <QScreen>

#include <optional>

namespace {

std::optional<ScreenFacts>& TestFacts()
{
    static std::optional<ScreenFacts> facts;
    return facts;
}

// The primary screen's facts; the header's defaults for anything Qt cannot tell.
// The fewest bits per pixel of an X display that Qt's window surfaces can paint on.
constexpr int kLeastPaintableDepth = 15;

ScreenFacts ReadRealScreen()
{
    ScreenFacts facts;
    if (!platform::HasGuiApplication())
        return facts;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return facts;
    const QRect geometry = screen->geometry();
    if (geometry.width() > 0 && geometry.height() > 0)
        facts.desktop = Rect::FromSize(geometry.x(), geometry.y(), geometry.width(), geometry.height());
    if (screen->depth() > 0)
        facts.bitsPerPixel = screen->depth();
    facts.paintable = !(QGuiApplication::platformName() == "xcb" && screen->depth() > 0 && screen->depth() < kLeastPaintableDepth);
    const int dpiX = int(screen->logicalDotsPerInchX());
    const int dpiY = int(screen->logicalDotsPerInchY());
    if (dpiX > 0)
        facts.logPixelsX = dpiX;
    if (dpiY > 0)
        facts.logPixelsY = dpiY;
    return facts;
}

} // namespace

ScreenFacts ScreenFacts::PaletteDisplay(Rect desktop)
{
    ScreenFacts facts;
    facts.desktop = desktop;
    facts.bitsPerPixel = 8;
    facts.planes = 1;
    facts.paletteDevice = true;
    facts.paletteSize = 256;
    return facts;
}

namespace platform {

const ScreenFacts& CurrentScreen()
{
    if (TestFacts())
        return *TestFacts();
    // Read afresh each time: the screen may change while the program runs.
    static ScreenFacts real;
    real = ReadRealScreen();
    return real;
}

void SetScreen(const ScreenFacts& facts)
{
    TestFacts() = facts;
    CurrentSystemPalette().Reset();
}

void ResetScreen()
{
    TestFacts().reset();
    CurrentSystemPalette().Reset();
}

} // namespace platform
