#include "display/ProjectorView.h"

#include "display/ProjectorControlCanvas.h"
#include "display/ProjectorLabels.h"
#include "display/ProjectorShowCanvas.h"
#include "physics/ChamberEvent.h"
#include "platform/seams/MessageBox.h"
#include "platform/window/ClientDC.h"

#include <cstdio>

ProjectorView::ProjectorView()
    : pendingControlCanvas_(std::make_unique<ProjectorControlCanvas>()),
      pendingShowCanvas_(std::make_unique<ProjectorShowCanvas>())
{
    controlCanvas = pendingControlCanvas_.get();
    showCanvas = pendingShowCanvas_.get();
}

ProjectorView::~ProjectorView() = default;

void ProjectorView::CreateControlCanvas(const Rect& rect)
{
    controlOrigin = rect.TopLeft();
    // From here on the canvas belongs to its window, which may delete it even when it fails.
    pendingControlCanvas_.release();
    if (!controlCanvas->Create("", "", WS_CHILD | WS_VISIBLE, rect, this, kControlCanvasId))
        return;
    controlCanvas->CreateControls();
    controlCanvas->SetView(this);
}

void ProjectorView::CreateShowCanvas(const Rect& rect, double zoom, double homeX, double homeY,
                                     const ChamberData* conditions)
{
    const std::string canvasClass = AfxRegisterWndClass(0, CursorShape::Cross);
    pendingShowCanvas_.release();
    showCanvas->Create(canvasClass, "", WS_CHILD | WS_VISIBLE, rect, this, kShowCanvasId);
    SetUpShowCanvas(rect, zoom, homeX, homeY, conditions);
}

void ProjectorView::SetUpShowCanvas(const Rect& rect, double zoom, double homeX, double homeY,
                                    const ChamberData* conditions)
{
    showCanvas->SetView(this);
    showCanvas->SetHome(homeX, homeY);
    showCanvas->SetPosition(rect.left, rect.top);
    showCanvas->SetSize({rect.Width(), rect.Height()});
    showCanvas->SetConditions(conditions);
    showCanvas->SetZoom(zoom);
}

void ProjectorView::SetEvent(std::weak_ptr<const ChamberEvent> shownEvent)
{
    event = std::move(shownEvent);
    projected = 0;
    showCanvas->tapeShown = 0;
    Refresh();
}

void ProjectorView::SetPlane(int32_t value)
{
    plane = value;
    projected = 0;
    showCanvas->tapeShown = 0;
    showCanvas->ResetPan();
    Refresh();
}

void ProjectorView::Refresh()
{
    if (!projected)
        ComputeProjection();
    if (IsWindow()) {
        const Point scroll = GetDeviceScrollPosition();
        Rect area = showCanvas->frame;
        area = {area.left - scroll.x, area.top - scroll.y, area.right - scroll.x, area.bottom - scroll.y};
        InvalidateRect(&area, false);
        // The pane is a window of its own that shows its part of the back buffer: the picture
        // is brought up to date there first.
        if (backBuffer)
            DrawBackBuffer();
        if (showCanvas->IsWindow())
            showCanvas->Invalidate(false);
    }
    projected = 1;
}

void ProjectorView::ComputeProjection()
{
    const std::shared_ptr<const ChamberEvent> shown = event.lock();
    if (!shown) {
        // A destroyed event leaves nothing of itself on the picture.
        if (showCanvas->count != 0)
            showCanvas->SetPoints(nullptr, nullptr, 0);
        return;
    }
    const PointList& points = shown->Points();
    const int n = points.Count();
    uValues.assign(n, 0.0);
    vValues.assign(n, 0.0);
    for (int i = 0; i < n; ++i) {
        const TrackPoint& p = points[i];
        switch (plane) {
        case kYZ:
            uValues[i] = p.z;
            vValues[i] = p.y;
            break;
        case kXZ:
            uValues[i] = p.z;
            vValues[i] = p.x;
            break;
        default:
            uValues[i] = -p.x;
            vValues[i] = p.y;
            break;
        }
    }
    showCanvas->SetPoints(uValues.data(), vValues.data(), n);
    projected = 1;
}

void ProjectorView::DrawBackBuffer()
{
    if (!backBuffer) {
        platform::ShowMessageBox(this, "Null memdc", "drawmemdc in projview");
        return;
    }
    backBuffer->FillSolidRect(Rect{0, 0, kBufferWidth, kBufferHeight}, colours::kWhite);
    DrawPane(*backBuffer);
}

void ProjectorView::DrawPane(CDC& dc)
{
    dc.FillSolidRect(showCanvas->frame, colours::kBlack);
    showCanvas->DrawPoints(dc);
}

void ProjectorView::DrawPicture(CDC& dc)
{
    const Point pane = showCanvas->frame.TopLeft();
    const Point origin = dc.GetViewportOrg();
    dc.SetViewportOrg(origin.x - pane.x, origin.y - pane.y);
    DrawPane(dc);
    dc.SetViewportOrg(origin.x, origin.y);
    DrawProjectorLabels(dc, *showCanvas, plane, PictureSize(), colours::kWhite);
}

Size ProjectorView::PictureSize() const
{
    const Rect shown = showCanvas->frame.Intersected(Rect{0, 0, bufferWidth, bufferHeight});
    return {shown.Width(), shown.Height()};
}

void ProjectorView::OnDraw(CDC* target)
{
    DoubleBufferView::OnDraw(target);
    if (target && showCanvas->tapeShown)
        showCanvas->DrawTape(*target);
}

std::string ProjectorView::ReadoutText(double length)
{
    char text[64];
    std::snprintf(text, sizeof text, "D = %3.1f CM", length);
    return text;
}

void ProjectorView::ShowReadout(double length)
{
    if (!backBuffer)
        return;
    const std::string text = ReadoutText(length);
    backBuffer->FillSolidRect(readoutRect, colours::kWhite);
    backBuffer->SetTextColor(colours::kBlack);
    backBuffer->SetBkColor(colours::kWhite);
    backBuffer->SetBkMode(BackgroundMode::Opaque);
    backBuffer->DrawText(text, readoutRect, kTextCentre | kTextSingleLine);
    if (!controlCanvas->IsWindow())
        return;
    CClientDC screen(controlCanvas);
    screen.SetViewportOrg(-controlOrigin.x, -controlOrigin.y);
    screen.BitBlt(readoutRect.left, readoutRect.top, readoutRect.Width(), readoutRect.Height(), backBuffer.get(),
                  readoutRect.left, readoutRect.top, RasterOp::SrcCopy);
    screen.Flush();
}
