#pragma once

#include "display/ScreenCamera.h"
#include "platform/gfx/Gdi.h"

#include <cstdint>

class CDC;

// The wire-frame chamber: the twelve edges of the cube, the square of its mid-plane z = 0 and,
// optionally, three axes from the centre, seen through the shared camera.
class ScreenBox {
public:
    // The box colours; on a palette display they match the chamber palette's three entries.
    static constexpr Colour kEdgeColour = PaletteRgb(51, 205, 255);
    static constexpr Colour kPlaneColour = PaletteRgb(153, 51, 51);
    static constexpr Colour kAxisColour = PaletteRgb(0, 188, 0);

    // size: edge of the cube in display units (800 for the chamber). The camera is not owned
    // and must outlive the box.
    ScreenBox(double size, ScreenCamera& camera);
    virtual ~ScreenBox() = default;
    ScreenBox(const ScreenBox&) = delete;
    ScreenBox& operator=(const ScreenBox&) = delete;

    // Draws the cube, the mid-plane and, if showAxes, the axes; nothing is filled, the caller
    // clears the background. In print mode every line is black. The surface's pen is restored.
    virtual void Draw(CDC& dc);

    ScreenCamera& camera;
    double size;          // edge of the cube, display units
    int32_t showAxes = 1; // 1 = draw the axes
    int32_t printMode = 0; // 1 while drawing for the printer

protected:
    // The pixel of a chamber point on the box; box points always have one.
    Point ProjectVertex(double x, double y, double z) const;

private:
    void DrawEdges(CDC& dc, double h) const;
    void DrawMidPlane(CDC& dc, double h) const;
    void DrawAxes(CDC& dc, double h, CPen* printPen);
    // Lines are a move followed by line-to calls, which never set their end pixel.
    void Path(CDC& dc, const Point* points, int count) const;
    void Line(CDC& dc, Point from, Point to) const;

    CPen edgePen_;
    CPen planePen_;
    CPen axisPen_;
};
