#include "display/ChamberPicture.h"

#include "display/LengthUnits.h"
#include "display/ProjectorView.h"
#include "display/ScreenChamber.h"
#include "physics/ChamberData.h"
#include "physics/ChamberEvent.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/ScaledDC.h"

namespace {
bool ScaleInRange(int scale) { return scale >= 1 && scale <= CScaledDC::kMaxScale; }
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
    chamber.DrawValues(conditions.B(), conditions.T(), Metres(conditions.L()), dc);
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
