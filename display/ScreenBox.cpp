#include "display/ScreenBox.h"

#include "platform/gfx/DC.h"

#include <cassert>

ScreenBox::ScreenBox(double boxSize, ScreenCamera& boxCamera)
    : camera(boxCamera)
    , size(boxSize)
    , edgePen_(PenStyle::Solid, 1, kEdgeColour)
    , planePen_(PenStyle::Solid, 1, kPlaneColour)
    , axisPen_(PenStyle::Solid, 1, kAxisColour)
{
}

void ScreenBox::Draw(CDC& dc)
{
    const double h = 0.5 * size;
    CPen printPen;
    if (printMode)
        printPen.CreatePen(PenStyle::Solid, 1, colours::kBlack);
    CPen* previous = dc.SelectObject(printMode ? &printPen : &edgePen_);
    DrawEdges(dc, h);
    if (!printMode)
        dc.SelectObject(&planePen_);
    DrawMidPlane(dc, h);
    if (showAxes)
        DrawAxes(dc, h, printMode ? &printPen : nullptr);
    // The print pen dies with this call, so the surface must not keep it.
    dc.SelectObject(previous);
}

Point ScreenBox::ProjectVertex(double x, double y, double z) const
{
    Point p;
    const bool projected = camera.Project(x, y, z, 1.0, p.x, p.y);
    assert(projected && "a box vertex has no pixel: is the camera's eye inside the box?");
    (void)projected;
    return p;
}

void ScreenBox::DrawEdges(CDC& dc, double h) const
{
    const Point mmm = ProjectVertex(-h, -h, -h), mmp = ProjectVertex(-h, -h, h);
    const Point mpm = ProjectVertex(-h, h, -h), mpp = ProjectVertex(-h, h, h);
    const Point pmm = ProjectVertex(h, -h, -h), pmp = ProjectVertex(h, -h, h);
    const Point ppm = ProjectVertex(h, h, -h), ppp = ProjectVertex(h, h, h);
    const Point path[] = {mmm, mpm, mpp, ppp, ppm, pmm, pmp, mmp, mpp};
    Path(dc, path, 9);
    Line(dc, mpm, ppm);
    Line(dc, mmm, pmm);
    Line(dc, mmm, mmp);
    Line(dc, pmp, ppp);
}

void ScreenBox::DrawMidPlane(CDC& dc, double h) const
{
    const Point square[] = {ProjectVertex(-h, -h, 0.0), ProjectVertex(-h, h, 0.0), ProjectVertex(h, h, 0.0),
                            ProjectVertex(h, -h, 0.0), ProjectVertex(-h, -h, 0.0)};
    Path(dc, square, 5);
}

void ScreenBox::DrawAxes(CDC& dc, double h, CPen* printPen)
{
    const Point origin = ProjectVertex(0.0, 0.0, 0.0);
    if (!printPen)
        dc.SelectObject(&axisPen_);
    Line(dc, origin, ProjectVertex(0.0, 0.0, h));
    if (!printPen)
        dc.SelectStockObject(StockObject::WhitePen);
    Line(dc, origin, ProjectVertex(h, 0.0, 0.0));
    Line(dc, origin, ProjectVertex(0.0, h, 0.0));
}

void ScreenBox::Path(CDC& dc, const Point* points, int count) const
{
    dc.MoveTo(points[0].x, points[0].y);
    for (int i = 1; i < count; ++i)
        dc.LineTo(points[i].x, points[i].y);
}

void ScreenBox::Line(CDC& dc, Point from, Point to) const
{
    dc.MoveTo(from.x, from.y);
    dc.LineTo(to.x, to.y);
}
