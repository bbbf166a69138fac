#include "display/ChamberPicture.h"

#include "display/ScreenChamber.h"
#include "physics/ChamberData.h"
#include "platform/DC.h"

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
