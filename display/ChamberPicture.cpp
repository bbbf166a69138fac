#include "display/ChamberPicture.h"

#include "display/ProjectorView.h"
#include "display/ScreenChamber.h"
#include "physics/ChamberData.h"
#include "physics/ChamberEvent.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/ScaledDC.h"

namespace {
constexpr double kMetresPerCm = 0.01;

bool ScaleInRange(int scale) { return scale >= 1 && scale <= CScaledDC::kMaxScale; }
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

std::optional<PixelImage> DrawFirstShowing(std::shared_ptr<const ChamberEvent> event, const ChamberData& conditions,
                                           int scale)
{
    if (!ScaleInRange(scale))
        return std::nullopt;
    ScreenCamera camera = ScreenCamera::ForChamber();
    ScreenChamber chamber(kChamberBoxSize, camera);
    chamber.SetEvent(event);
    CScaledDC dc({kChamberPictureWidth, kChamberPictureHeight}, scale);
    DrawBoxPicture(dc, chamber, kChamberPictureWidth, kChamberPictureHeight);
    DrawConditionsCaption(dc, chamber, conditions);
    return dc.Image();
}

std::optional<PixelImage> DrawProjection(std::shared_ptr<const ChamberEvent> event, const ChamberData& conditions,
                                         int32_t plane, double zoom, int scale)
{
    if (!ScaleInRange(scale))
        return std::nullopt;
    ProjectorView view;
    view.SetBufferSize(ProjectorView::kBufferWidth, ProjectorView::kBufferHeight);
    view.SetUpShowCanvas(ProjectorView::kShowCanvasRect, zoom, ProjectorView::kHomeX, ProjectorView::kHomeY,
                         &conditions);
    view.SetPlane(plane);
    view.SetEvent(event);
    CScaledDC dc(view.PictureSize(), scale);
    view.DrawPicture(dc);
    return dc.Image();
}
