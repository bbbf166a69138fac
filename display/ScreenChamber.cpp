#include "display/ScreenChamber.h"

#include "display/PrintMarks.h"
#include "physics/ChamberEvent.h"
#include "platform/seams/Clock.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/Screen.h"

#include <algorithm>
#include <cassert>
#include <cstdio>
#include <utility>

namespace {

// The same colour matched as an ordinary one, never against a palette.
constexpr Colour OrdinaryColour(Colour colour)
{
    colour.paletteRelative = false;
    return colour;
}

// Track points are drawn in ordinary colours; id 7 is the light blue of the box edges.
constexpr Colour kTrackColours[5] = {
    Rgb(255, 0, 0),    // 3 red
    Rgb(255, 255, 0),  // 4 yellow
    Rgb(0, 255, 0),    // 5 green
    Rgb(0, 0, 255),    // 6 blue
    OrdinaryColour(ScreenBox::kEdgeColour), // 7 light blue
};

constexpr int kPointsPerInch = 72;
constexpr int kNormalWeight = 400;
constexpr int kDefaultCharSet = 1;
constexpr int kCharacterOutPrecision = 2;
constexpr int kCharacterClipPrecision = 1;
constexpr int kDefaultQuality = 0;
constexpr int kDefaultPitchAndFamily = 0;

// Waits until milliseconds have passed on the tick counter. The difference of two readings is
// taken in unsigned arithmetic so that the wait also ends across the counter's wrap.
void WaitTicks(int milliseconds)
{
    const uint32_t start = platform::GetTickCount();
    const uint32_t pause = milliseconds > 0 ? uint32_t(milliseconds) : 0u;
    while (platform::GetTickCount() - start < pause) {
    }
}

} // namespace

ScreenChamber::ScreenChamber(double boxSize, ScreenCamera& boxCamera)
    : ScreenBox(boxSize, boxCamera)
{
    for (int i = 0; i < 5; ++i)
        colourTable[i] = kTrackColours[i];
    CreateCaptionFont();
}

void ScreenChamber::CreateCaptionFont()
{
    LogFont font;
    font.height = -(platform::CurrentScreen().logPixelsY * kCaptionPoints / kPointsPerInch);
    font.width = 0;
    font.escapement = 0;
    font.orientation = 0;
    font.weight = kNormalWeight;
    font.italic = font.underline = font.strikeOut = false;
    font.charSet = kDefaultCharSet;
    font.outPrecision = kCharacterOutPrecision;
    font.clipPrecision = kCharacterClipPrecision;
    font.quality = kDefaultQuality;
    font.pitchAndFamily = kDefaultPitchAndFamily;
    font.faceName = "MS Sans Serif";
    captionFont.CreateFontIndirect(font);
}

void ScreenChamber::SetEvent(std::weak_ptr<const ChamberEvent> shownEvent)
{
    event_ = std::move(shownEvent);
}

void ScreenChamber::Draw(CDC& dc)
{
    ScreenBox::Draw(dc);
    if (!hideTracks && Event())
        DrawPoints(dc);
}

void ScreenChamber::PrintDraw(CDC& dc)
{
    printMode = 1;
    ScreenBox::Draw(dc);
    if (Event())
        DrawPoints(dc);
    printMode = 0;
}

Colour ScreenChamber::TrackColour(int32_t colourId)
{
    return HasPointColour(colourId) ? kTrackColours[colourId - kFirstPointColour] : colours::kBlack;
}

bool ScreenChamber::PointColour(int32_t colourId, Colour& colour) const
{
    if (!HasPointColour(colourId))
        return false;
    colour = colourTable[colourId - kFirstPointColour];
    return true;
}

bool ScreenChamber::PlacePoint(const TrackPoint& point, Point& pixel, Colour& colour) const
{
    return PointColour(point.colour, colour) && camera.Project(point.x, point.y, point.z, point.w, pixel.x, pixel.y);
}

void ScreenChamber::DrawPoints(CDC& dc)
{
    const std::shared_ptr<const ChamberEvent> shown = Event();
    assert(shown && "DrawPoints needs an event: call it only when the frame has one");
    if (!shown)
        return;
    const int side = printMode ? 1 : kPointSize;
    for (const TrackPoint& point : shown->Points()) {
        Point pixel;
        Colour colour;
        if (!PlacePoint(point, pixel, colour))
            continue;
        if (printMode)
            DrawPrintMark(dc, pixel, point.colour);
        dc.FillSolidRect(Rect::FromSize(pixel.x, pixel.y, side, side), printMode ? colours::kBlack : colour);
    }
}

void ScreenChamber::Animate(CDC& dc, int milliseconds)
{
    const std::shared_ptr<const ChamberEvent> shown = Event();
    assert(shown && "Animate needs an event: call it only when the frame has one");
    if (!shown)
        return;
    for (const TrackPoint& point : shown->Points()) {
        Point pixel;
        Colour colour;
        if (!PlacePoint(point, pixel, colour))
            continue;
        WaitTicks(milliseconds);
        dc.FillSolidRect(Rect::FromSize(pixel.x, pixel.y, kPointSize, kPointSize), colour);
        dc.Flush();
    }
}

std::string ScreenChamber::ValuesText(double fieldKG, double energyMeV, double lengthM)
{
    char text[160];
    std::snprintf(text, sizeof text, "B = %.3G kG, T = %.3G MeV, L = %.3G m.", fieldKG, energyMeV, lengthM);
    return text;
}

void ScreenChamber::DrawValues(double fieldKG, double energyMeV, double lengthM, CDC& dc)
{
    const std::string text = ValuesText(fieldKG, energyMeV, lengthM);
    const Colour previousText = dc.SetTextColor(colours::kWhite);
    const BackgroundMode previousMode = dc.SetBkMode(BackgroundMode::Transparent);
    CFont* previousFont = dc.SelectObject(&captionFont);
    // Conditions far from the sliders' (read from a file) make a caption wider than its
    // rectangle: it is then drawn whole from the rectangle's left edge, never cut mid-letter.
    Rect area = captionRect;
    area.right = std::max(area.right, area.left + dc.GetTextExtent(text).width);
    dc.DrawText(text, area, kTextCentre | kTextTop | kTextSingleLine);
    // The surface may outlive this renderer, so it must not keep the caption font.
    dc.SelectObject(previousFont);
    dc.SetBkMode(previousMode);
    dc.SetTextColor(previousText);
}
