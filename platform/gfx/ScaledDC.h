#pragma once

#include "platform/gfx/DC.h"
#include "platform/gfx/Gdi.h"

// A raster surface that draws a picture at a whole multiple of its pixel size: the same drawing
// calls as a memory surface of width x height, on an image of (width x scale) x (height x scale)
// pixels. Everything is drawn again at the larger size, nothing is enlarged afterwards:
// - logical (x, y), after the viewport origin, lands on device (x x scale, y x scale);
// - a filled rectangle covers scale times its rows and columns, so a 1 x 1 dot is a
//   scale x scale block;
// - a line is the usual integer line between the scaled end points, scale pixels thick across
//   its major axis and still without its end pixel's block: a horizontal or vertical line
//   covers exactly the blocks of its 1-pixel line's pixels, in either direction; a slanted one
//   is drawn at the finer slope;
// - text uses the selected font at scale times its height, in the scaled rectangle.
// Block copies are not drawn (they would enlarge a bitmap). The clip is in device pixels.
// At scale 1 every call is the memory surface's own, pixel for pixel.
class CScaledDC : public CDC {
public:
    static constexpr int kMaxScale = 4;

    // A black image; scale is 1 to kMaxScale.
    CScaledDC(Size logicalSize, int scale);

    int Scale() const { return scale_; }
    Size LogicalSize() const { return logicalSize_; }
    const PixelImage& Image() const { return image_; }

    void FillSolidRect(const Rect& rect, Colour colour) override;
    void LineTo(int x, int y) override;
    void Polyline(const Point* points, int count) override;
    void DrawText(std::string_view text, const Rect& rect, unsigned format) override;
    bool BitBlt(int x, int y, int width, int height, const CDC* source, int sourceX, int sourceY, RasterOp op) override;

private:
    // The logical coordinate the unscaled surface needs so that its origin takes it to the
    // scaled device coordinate: (value + origin) x scale - origin.
    int Up(int value, int origin) const;
    Point Up(Point logical) const;
    void StrokeSegment(Point from, Point to);

    Size logicalSize_;
    int scale_;
    PixelImage image_;
};
