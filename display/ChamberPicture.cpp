#include "display/ChamberPicture.h"

#include "display/ScreenChamber.h"
#include "physics/ChamberData.h"
#include "physics/ChamberEvent.h"
#include "platform/gfx/DC.h"

namespace {
constexpr double kMetresPerCm = 0.01;
}

void DrawBoxPicture(CDC& dc, ScreenBox& box, int width, int height, BoxPictureInk* ink)
{
    const Rect picture{0, 0, width, height};
    dc.FillSolidRect(ink && ink->known ? ink->bounds.Intersected(picture) : picture, colours::kBlack);
    dc.ResetDrawnBounds();
    box.Draw(dc);
    if (!ink)
        return;
    const Point origin = dc.GetViewportOrg();
    const Rect drawn = dc.DrawnBounds();
    ink->known = true;
    ink->bounds = drawn.IsEmpty() ? Rect{} : Rect{drawn.left - origin.x, drawn.top - origin.y, drawn.right - origin.x, drawn.bottom - origin.y};
}

void DrawConditionsCaption(CDC& dc, ScreenChamber& chamber, const ChamberData& conditions)
{
    chamber.DrawValues(conditions.B(), conditions.T(), conditions.L() * kMetresPerCm, dc);
}

std::optional<PixelImage> DrawFirstShowing(std::shared_ptr<const ChamberEvent> event, const ChamberData& conditions)
{
    ScreenCamera camera = ScreenCamera::ForChamber();
    ScreenChamber chamber(kChamberBoxSize, camera);
    chamber.SetEvent(event);
    CBitmap bitmap;
    CDC dc;
    if (!dc.CreateCompatibleDC(nullptr) || !bitmap.CreateCompatibleBitmap(kChamberPictureWidth, kChamberPictureHeight))
        return std::nullopt;
    CBitmap* previous = dc.SelectObject(&bitmap);
    DrawBoxPicture(dc, chamber, kChamberPictureWidth, kChamberPictureHeight);
    DrawConditionsCaption(dc, chamber, conditions);
    dc.SelectObject(previous);
    return *bitmap.Image();
}
