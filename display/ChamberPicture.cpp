#include "display/ChamberPicture.h"

#include "display/ScreenChamber.h"
#include "physics/ChamberData.h"
#include "physics/ChamberEvent.h"
#include "platform/gfx/DC.h"

namespace {
constexpr double kMetresPerCm = 0.01;
}

void DrawBoxPicture(CDC& dc, ScreenBox& box, int width, int height)
{
    dc.FillSolidRect(Rect{0, 0, width, height}, colours::kBlack);
    box.Draw(dc);
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
