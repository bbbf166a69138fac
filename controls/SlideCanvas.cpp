#include "controls/SlideCanvas.h"

#include "display/ScrollWindow.h"
#include "platform/gfx/DC.h"
#include "platform/window/ClientDC.h"

#include <algorithm>

TrackPicture LoadSliderPictures(CWnd& window, int knobId, CBitmap& knob, CDC& knobSurface, int trackId,
                                CBitmap& track, CDC& trackSurface, CPalette& palette)
{
    CClientDC reference(&window);
    knob.LoadBitmap(knobId);
    knobSurface.CreateCompatibleDC(&reference);
    knobSurface.SelectObject(&knob);
    trackSurface.CreateCompatibleDC(&reference);
    const bool paletteDisplay = (reference.GetDeviceCaps(DeviceCap::RasterCaps) & kRasterCapsPalette) != 0;
    if (track.LoadDIBSection(trackId) && paletteDisplay) {
        trackSurface.SelectObject(&track);
        return CreatePaletteFromColourTable(track, palette) ? TrackPicture::SectionWithPalette : TrackPicture::Section;
    }
    track.LoadBitmap(trackId);
    trackSurface.SelectObject(&track);
    return TrackPicture::Plain;
}

SlideCanvas::SlideCanvas(CDC* background, const KnobDescription& knob, const SliderTrack& track)
    : ImageCanvas(track.canvas),
      travel(track.height - knob.height),
      knobHeight(knob.height),
      knobWidth(knob.width),
      knobX(knob.x),
      knobRight(knob.x + knob.width),
      knobSourceX(knob.x),
      trackHeight(track.height),
      opaqueWidth(track.opaqueWidth),
      trackWidth(track.width),
      knobDrawX(knob.x),
      seeThroughDrawX(knob.x + track.opaqueWidth),
      dirty{0, 0, track.canvas.width, track.canvas.height},
      backgroundSurface(background),
      knobSurface(knob.surface)
{
}

SlideCanvas::~SlideCanvas() = default;

void SlideCanvas::SetPosition(int x, int y)
{
    ImageCanvas::SetPosition(x, y);
    knobDrawX += x;
    seeThroughDrawX += x;
    trackX += x;
}

void SlideCanvas::CreateDrawingContext()
{
    ImageCanvas::CreateDrawingContext();
    if (palette)
        windowContext->SelectPalette(palette, false);
}

void SlideCanvas::PrepareKnob()
{
    CreateDrawingContext();
    const int partWidth = knobWidth - opaqueWidth;
    maskSurface = std::make_unique<CDC>();
    partSurface = std::make_unique<CDC>();
    maskSurface->CreateCompatibleDC(windowContext.get());
    partSurface->CreateCompatibleDC(windowContext.get());

    partBitmap_.CreateCompatibleBitmap(partWidth, knobHeight);
    partSurface->SelectObject(&partBitmap_);
    if (palette)
        partSurface->SelectPalette(palette, false);
    partSurface->BitBlt(0, 0, partWidth, knobHeight, knobSurface, opaqueWidth, 0, RasterOp::SrcCopy);

    // The mask holds 1 where the part is white; ANDed back into the part, it turns the part's
    // white pixels black and keeps the rest.
    maskBitmap_.CreateBitmap(partWidth, knobHeight, 1, 1);
    maskSurface->SelectObject(&maskBitmap_);
    partSurface->SetBkColor(colours::kWhite);
    maskSurface->BitBlt(0, 0, partWidth, knobHeight, partSurface.get(), 0, 0, RasterOp::SrcCopy);
    partSurface->SetBkColor(colours::kBlack);
    partSurface->SetTextColor(colours::kWhite);
    partSurface->BitBlt(0, 0, partWidth, knobHeight, maskSurface.get(), 0, 0, RasterOp::SrcAnd);
}

void SlideCanvas::Draw(CDC* surface)
{
    const int top = position.y;
    if (dragging)
        surface->BitBlt(knobDrawX, top, knobWidth, trackHeight, backgroundSurface,
                        backgroundOffset.x + knobSourceX, backgroundOffset.y, RasterOp::SrcCopy);
    else
        surface->BitBlt(trackX, top, trackWidth, trackHeight, backgroundSurface, backgroundOffset.x,
                        backgroundOffset.y, RasterOp::SrcCopy);
    surface->BitBlt(knobDrawX, top + drawnPosition, opaqueWidth, knobHeight, knobSurface, 0, 0, RasterOp::SrcCopy);
    DrawSeeThrough(surface, top + drawnPosition);
}

// White is the see-through colour of the knob's right part: the AND with the mask keeps the
// destination where the part is white and clears it elsewhere, and the OR lays the rest in. On a
// palette display the knob's own right part goes in with XOR and then OR.
void SlideCanvas::DrawSeeThrough(CDC* surface, int y) const
{
    const int partWidth = knobWidth - opaqueWidth;
    if (palette) {
        surface->BitBlt(seeThroughDrawX, y, partWidth, knobHeight, knobSurface, opaqueWidth, 0, RasterOp::SrcInvert);
        surface->BitBlt(seeThroughDrawX, y, partWidth, knobHeight, knobSurface, opaqueWidth, 0, RasterOp::SrcPaint);
        return;
    }
    if (!maskSurface || !partSurface)
        return;
    surface->SetBkColor(colours::kWhite);
    surface->SetTextColor(colours::kBlack);
    surface->BitBlt(seeThroughDrawX, y, partWidth, knobHeight, maskSurface.get(), 0, 0, RasterOp::SrcAnd);
    surface->BitBlt(seeThroughDrawX, y, partWidth, knobHeight, partSurface.get(), 0, 0, RasterOp::SrcPaint);
}

void SlideCanvas::Redraw() { DrawAndCopy(&dirty); }

void SlideCanvas::DrawAndCopy(const Rect* clip)
{
    drawnPosition = knobPosition;
    if (!backBuffer)
        return;
    Draw(backBuffer);
    if (!windowContext)
        return;
    if (clip)
        windowContext->SetClipRect(*clip);
    else
        windowContext->RemoveClip();
    windowContext->BitBlt(0, 0, size.width, size.height, backBuffer, position.x, position.y, RasterOp::SrcCopy);
    windowContext->Flush();
}

void SlideCanvas::Grab(Point point)
{
    grabOffset = point.y - drawnPosition;
    const bool hit = 0 < grabOffset && grabOffset < knobHeight && knobX < point.x && point.x < knobRight;
    dragging = hit ? 1 : 0;
    if (!hit)
        return;
    SetCapture();
    ReleaseDrawingContext();
    CreateDrawingContext();
}

int SlideCanvas::DragPosition(int y) const { return std::clamp(y - grabOffset, 0, std::max(travel, 0)); }

Rect SlideCanvas::DirtyRows(int newPosition) const
{
    if (newPosition > drawnPosition)
        return {knobX - 1, drawnPosition, knobRight + 1, newPosition + knobHeight};
    return {knobX - 1, newPosition, knobRight + 1, drawnPosition + knobHeight};
}

void SlideCanvas::Release()
{
    Redraw();
    dragging = 0;
    ReleaseCapture();
}

void SlideCanvas::OnLButtonDown(unsigned, Point point)
{
    if (!armed) {
        armed = 1;
        return;
    }
    Grab(point);
}

void SlideCanvas::OnMouseMove(unsigned, Point point)
{
    if (!dragging)
        return;
    knobPosition = DragPosition(point.y);
    dirty = DirtyRows(knobPosition);
    RedrawDirtyRows();
}

// Outside the dirty rows the back buffer already holds what Draw would put there: the track's
// knob column as the background image has it, the knob lying inside the old rows.
void SlideCanvas::RedrawDirtyRows()
{
    if (backBuffer)
        backBuffer->SetClipRect(dirty.OffsetBy(position.x, position.y));
    Redraw();
    if (backBuffer)
        backBuffer->RemoveClip();
}

void SlideCanvas::OnLButtonUp(unsigned, Point)
{
    if (dragging)
        Release();
}
