#pragma once

#include "platform/gfx/DC.h"

#include <memory>
#include <string>

class QPainter;
class QPrinter;

// The print spooler's status codes: job and page calls answer a positive value on success and
// one of these on failure.
constexpr int SP_ERROR = -1;       // general error
constexpr int SP_APPABORT = -2;    // job cancelled by the program
constexpr int SP_USERABORT = -3;   // job cancelled by the user
constexpr int SP_OUTOFDISK = -4;   // out of disk space
constexpr int SP_OUTOFMEMORY = -5; // out of memory

enum class MapMode { Text, Isotropic };

// A surface on a printer (or a PDF file) that takes the same drawing calls as the screen
// surfaces and turns them into vector output: lines, filled rectangles and real text.
//
// Logical coordinates are mapped to the printer's device pixels by the mapping mode. In Text
// mode one logical unit is one device pixel. In Isotropic mode the window extent is mapped onto
// the viewport extent with one scale for x and y, the largest that fits both:
//   device = viewport origin + (logical - window origin) * scale.
// Pens and fonts are sized in logical units, so a 1-unit pen or a 13-unit font grows with the
// scale like the rest of the picture. A pixel-sized line goes through the centres of its pixels,
// where a 1 x 1 filled rectangle at the same place lies. Block copies are not printed. A clip
// (SetClipRect) is in the printer's device pixels, like the screen surfaces' clips.
//
// Drawing happens only between StartDoc and EndDoc. Pages: the first begins with StartDoc;
// StartPage after an EndPage begins the next.
class CPrinterDC : public CDC {
public:
    // A surface on a printer set up by the print dialog (owned from then on).
    explicit CPrinterDC(std::unique_ptr<QPrinter> printer);
    // A surface writing a PDF file at path, A4 portrait.
    explicit CPrinterDC(const std::string& pdfPath);
    ~CPrinterDC() override;

    // Job and page control; each answers a positive value or an SP_ status code.
    virtual int StartDoc(const std::string& documentName);
    virtual int StartPage();
    virtual int EndPage();
    virtual int EndDoc();

    MapMode SetMapMode(MapMode mode);
    Size SetWindowExt(int width, int height);
    Size SetViewportExt(int width, int height);
    // Moves the window origin by (dx, dy) logical units; answers the previous origin.
    Point OffsetWindowOrg(int dx, int dy);
    Point GetWindowOrg() const { return windowOrigin_; }
    // Where a logical point lands, in device pixels (truncated toward zero).
    Point LPtoDP(Point logical) const;

    void SetPixel(int x, int y, Colour colour) override;
    void FillSolidRect(const Rect& rect, Colour colour) override;
    void FillRect(const Rect& rect, const CBrush* brush) override;
    void LineTo(int x, int y) override;
    void Polyline(const Point* points, int count) override;
    void DrawText(std::string_view text, const Rect& rect, unsigned format) override;
    bool BitBlt(int x, int y, int width, int height, const CDC* source, int sourceX, int sourceY, RasterOp op) override;
    void Flush() override {}

    // HorzRes and VertRes: the printable area in device pixels; LogPixelsX and LogPixelsY: the
    // printer's resolution in dots per inch.
    int GetDeviceCaps(DeviceCap cap) const override;

private:
    // Device pixels per logical unit along x (or y when vertical).
    double Scale(bool vertical) const;
    // The painter with the mapping applied; null outside a job.
    QPainter* MappedPainter();
    void StrokeSegment(Point from, Point to);

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    bool pageEnded_ = false;
    MapMode mapMode_ = MapMode::Text;
    Size windowExtent_{1, 1};
    Size viewportExtent_{1, 1};
    Point windowOrigin_;
};
