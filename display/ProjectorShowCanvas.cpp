#include "display/ProjectorShowCanvas.h"

#include "display/ProjectorLabels.h"
#include "display/ProjectorView.h"
#include "physics/ChamberData.h"
#include "platform/window/ClientDC.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Colour kTapeColour = Rgb(255, 0, 0);

int Truncate(double value) { return static_cast<int>(std::trunc(value)); }

// The row of plane coordinate u: trunc((offsetY / zoom - u) x zoom / 2), computed without the
// division so that whole offsets give exact rows at zoom 3 too.
int Row(double offsetY, double zoom, double u) { return Truncate((offsetY - u * zoom) * 0.5); }

} // namespace

ProjectorShowCanvas::ProjectorShowCanvas() { BuildOutline(); }

ProjectorShowCanvas::~ProjectorShowCanvas() = default;

void ProjectorShowCanvas::SetHome(double x, double y)
{
    homeX = offsetX = x;
    homeY = offsetY = y;
    BuildOutline();
}

void ProjectorShowCanvas::ResetPan()
{
    offsetX = homeX;
    offsetY = homeY;
    BuildOutline();
}

void ProjectorShowCanvas::SetZoom(double value)
{
    zoom = value;
    BuildOutline();
    RefreshView();
    tape.SetScale(TapeScale());
    tapeShown = 0;
}

void ProjectorShowCanvas::SetTool(int32_t value)
{
    tool = value;
    ShowToolCursor();
}

void ProjectorShowCanvas::ShowToolCursor()
{
    if (IsWindow())
        SetCursor(tool == kTape ? CursorShape::Cross : CursorShape::SizeAll);
}

void ProjectorShowCanvas::Pan(int dx, int dy)
{
    offsetX += (2.0 / zoom) * dx;
    offsetY += 2.0 * dy;
    BuildOutline();
    RefreshView();
}

void ProjectorShowCanvas::SetPoints(const double* u, const double* v, int n)
{
    pixelX.clear();
    pixelY.clear();
    count = n > 0 ? n : 0;
    pixelX.resize(count);
    pixelY.resize(count);
    const double k = 0.5 * zoom;
    for (int i = 0; i < count; ++i) {
        pixelY[i] = Row(offsetY, zoom, u[i]);
        pixelX[i] = Truncate((offsetX + v[i]) * k);
    }
}

void ProjectorShowCanvas::BuildOutline()
{
    const double k = 0.5 * zoom;
    const int left = Truncate((offsetX - halfSize) * k);
    const int right = Truncate((offsetX + halfSize) * k);
    const int top = Row(offsetY, zoom, halfSize);
    const int bottom = Row(offsetY, zoom, -halfSize);
    outline = {Point{left, top}, Point{left, bottom}, Point{right, bottom}, Point{right, top}, Point{left, top}};
}

double ProjectorShowCanvas::TapeScale() const
{
    const double length = conditions ? conditions->L() : 0.0;
    return length / (zoom * halfSize);
}

void ProjectorShowCanvas::RefreshView()
{
    if (!view)
        return;
    view->projected = 0;
    view->Refresh();
}

void ProjectorShowCanvas::DrawPoints(CDC& surface)
{
    if (printMode) {
        surface.SelectStockObject(StockObject::BlackPen);
        const CBrush black(colours::kBlack);
        for (int i = 0; i < count; ++i)
            surface.FillRect(Rect::FromSize(pixelX[i], pixelY[i], 1, 1), &black);
    } else {
        surface.SelectStockObject(StockObject::WhitePen);
        for (int i = 0; i < count; ++i)
            surface.FillSolidRect(Rect::FromSize(pixelX[i], pixelY[i], 1, 1), colours::kWhite);
    }
    surface.Polyline(outline.data(), static_cast<int>(outline.size()));
}

void ProjectorShowCanvas::DrawTape(CDC& surface)
{
    if (printMode) {
        CPen pen(PenStyle::Solid, 1, colours::kBlack);
        CPen* previous = surface.SelectObject(&pen);
        surface.MoveTo(lineStart.x, lineStart.y);
        surface.LineTo(lineEnd.x, lineEnd.y);
        surface.SelectObject(previous);
        return;
    }
    if (!windowContext)
        CreateDrawingContext();
    CPen pen(PenStyle::Solid, 1, kTapeColour);
    CPen* previous = windowContext->SelectObject(&pen);
    windowContext->MoveTo(lineStart.x, lineStart.y);
    windowContext->LineTo(lineEnd.x, lineEnd.y);
    windowContext->SelectObject(previous);
    windowContext->Flush();
    lastLength = tape.Length();
    if (view)
        view->ShowReadout(lastLength);
}

void ProjectorShowCanvas::PrintDraw(CDC& surface)
{
    printMode = 1;
    DrawPoints(surface);
    if (tapeShown)
        DrawTape(surface);
    printMode = 0;
    DrawProjectorLabels(surface, *this, view ? view->plane : ProjectorView::kXY, view ? view->PictureSize() : size,
                        colours::kBlack);
}

void ProjectorShowCanvas::RestoreFromBackBuffer(const Rect& rect)
{
    if (!backBuffer || !windowContext)
        return;
    windowContext->BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), backBuffer, rect.left + position.x,
                          rect.top + position.y, RasterOp::SrcCopy);
}

void ProjectorShowCanvas::OnPaint()
{
    CPaintDC dc(this);
    const CDC* picture = view ? view->backBuffer.get() : nullptr;
    if (!picture)
        return;
    dc.BitBlt(0, 0, size.width, size.height, picture, position.x, position.y, RasterOp::SrcCopy);
    // The finished line, or the one being stretched, survives a repaint.
    const bool stretching = dragging && tool == kTape;
    if (tapeShown || stretching) {
        const Point from = stretching ? anchor : lineStart;
        CPen pen(PenStyle::Solid, 1, kTapeColour);
        CPen* previous = dc.SelectObject(&pen);
        dc.MoveTo(from.x, from.y);
        dc.LineTo(lineEnd.x, lineEnd.y);
        dc.SelectObject(previous);
    }
}

void ProjectorShowCanvas::OnLButtonDown(unsigned, Point point)
{
    if (keyboardTape)
        FinishTape();
    anchor = point;
    dragging = 1;
    SetCapture();
    PrepareToDraw();
    if (tool == kTape)
        BeginTape();
}

void ProjectorShowCanvas::OnMouseMove(unsigned, Point point)
{
    if (!dragging || keyboardTape)
        return;
    if (tool == kTape) {
        StretchTape(point);
        return;
    }
    const int dx = point.x - anchor.x;
    const int dy = point.y - anchor.y;
    Pan(dx, dy);
    anchor = point;
    if (tapeShown) {
        lineStart = {lineStart.x + dx, lineStart.y + dy};
        lineEnd = {lineEnd.x + dx, lineEnd.y + dy};
    }
}

void ProjectorShowCanvas::OnLButtonUp(unsigned, Point)
{
    if (!dragging || keyboardTape)
        return;
    dragging = 0;
    ReleaseCapture();
    if (tool == kTape)
        FinishTape();
}

bool ProjectorShowCanvas::OnKeyDown(int key)
{
    if (tool != kTape || (dragging && !keyboardTape))
        return false;
    if (key == VK_RETURN) {
        if (keyboardTape) {
            FinishTape();
            return true;
        }
        anchor = KeyboardTapeStart(*this, size);
        dragging = 1;
        keyboardTape = 1;
        PrepareToDraw();
        BeginTape();
        return true;
    }
    const Point step = TapeArrowStep(key);
    if (!keyboardTape || (step.x == 0 && step.y == 0))
        return false;
    StretchTape(StepTapeEnd(lineEnd, step, size));
    return true;
}

void ProjectorShowCanvas::PrepareToDraw()
{
    if (!backBuffer && view)
        SetBackBuffer(view->backBuffer.get());
    CreateDrawingContext();
}

// A new tape starts from nothing: the line on show is wiped and is no longer drawn by repaints.
void ProjectorShowCanvas::BeginTape()
{
    tapeShown = 0;
    lineStart = anchor;
    RestoreFromBackBuffer(Rect::FromSize(0, 0, size.width, size.height));
    tapePen = std::make_unique<CPen>(PenStyle::Solid, 1, kTapeColour);
    windowContext->SelectObject(tapePen.get());
    windowContext->Flush();
    lineEnd = anchor;
    tape.SetStart(anchor);
    tape.SetScale(TapeScale());
}

void ProjectorShowCanvas::StretchTape(Point end)
{
    RestoreFromBackBuffer(tape.bounds);
    if (windowContext) {
        windowContext->MoveTo(anchor.x, anchor.y);
        windowContext->LineTo(end.x, end.y);
        windowContext->Flush();
    }
    lineEnd = end;
    tape.SetEnd(end);
    lastLength = tape.Length();
    if (view)
        view->ShowReadout(lastLength);
}

void ProjectorShowCanvas::FinishTape()
{
    dragging = 0;
    keyboardTape = 0;
    if (windowContext)
        windowContext->SelectStockObject(StockObject::BlackPen);
    tapePen.reset();
    tapeShown = 1;
    lineStart = anchor;
    lastLength = tape.Length();
    if (view)
        view->ShowReadout(lastLength);
}
