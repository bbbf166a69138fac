#pragma once

#include "platform/gfx/Gdi.h"

#include <functional>
#include <string_view>

enum class RasterOp {
    SrcCopy,   // dest = source
    SrcAnd,    // dest = dest AND source
    SrcPaint,  // dest = dest OR source
    SrcInvert, // dest = dest XOR source
};

enum class BackgroundMode { Transparent, Opaque };

enum class StockObject { WhitePen, BlackPen, NullPen, WhiteBrush, BlackBrush, NullBrush };

// DrawText format flags (one line, top-aligned).
enum TextFormat : unsigned {
    kTextLeft = 0x0,
    kTextCentre = 0x1,
    kTextTop = 0x0,
    kTextSingleLine = 0x20,
    kTextNoClip = 0x100,
};

enum class DeviceCap { HorzRes, VertRes, BitsPixel, Planes, RasterCaps, LogPixelsX, LogPixelsY, DriverVersion, SizePalette };
constexpr int kRasterCapsPalette = 0x0100;

// A drawing surface ("drawing context"). It draws in software on 32-bit pixels:
// - on the bitmap selected into it (a memory surface), or
// - on an image owned by someone else, such as a window's client image (AttachImage).
// It carries its state: viewport origin, clip, pen, brush, font, palette, text and background
// colours, background mode and current position. A new surface has origin (0, 0), no clip, a
// black solid 1-pixel pen, a white brush, the default font (DejaVu Sans, 13-pixel characters),
// black text on an opaque white background and current position (0, 0).
//
// Semantics every primitive shares: logical coordinates are translated by the viewport origin
// into device pixels (in 64-bit arithmetic, so no coordinate overflows), intersected with the
// clip (and the target's bounds), and nothing is drawn when that is empty. No caller has to clip.
// Real-to-pixel conversions are the callers'.
// - Colours drawn on a monochrome target become 1 (white) when the sum of their three components
//   is more than 382, that is when they are nearer white than black, and 0 otherwise.
// - A palette-relative colour becomes the nearest entry (by squared distance) of the selected
//   palette once that palette has been realised on a palette display; otherwise it is drawn as
//   written. Ordinary colours are always drawn as written.
// - SetPixel sets one pixel; GetPixel reads one (black outside the target).
// - LineTo draws from the current position to (x, y) with the selected pen, the same pixels as
//   the usual integer line algorithm (Bresenham) in every octant, and never the end pixel; it
//   then makes (x, y) the current position. A null pen draws nothing but still moves. Lines of
//   any length cost only the pixels inside the clip. Polyline draws the lines between successive
//   points the same way and neither uses nor changes the current position.
// - FillSolidRect / FillRect cover left..right-1 and top..bottom-1; a rectangle with
//   right <= left or bottom <= top covers nothing. Neither changes any colour of the surface.
//   FillRect with a null or uncreated brush draws nothing.
// - BitBlt combines each source pixel with the destination by the raster operation; it reads the
//   source in the source's own logical coordinates (its origin applies, its clip does not) and
//   draws only where both the source pixel exists and the destination is inside its clip.
//   Copying a colour source into a monochrome destination gives 1 where the source pixel equals
//   the source's background colour and 0 elsewhere; a monochrome source into a colour destination
//   gives the destination's background colour for 1 and its text colour for 0; monochrome into
//   monochrome copies the bits, and the raster operations combine the bits (or the colour words)
//   as written in RasterOp. Source and destination may be the same surface, overlapping: the
//   result is as if the source had been read completely first. Returns false only when a surface
//   has nothing to draw on or read from.
// - DrawText draws one line, top-aligned, left or centred in the rectangle, in the text colour
//   (centred text starts at left + (width - text width) / 2, truncated toward zero); in opaque mode the text's cell (its advance width by the font's line height) is first filled
//   with the background colour. The rectangle clips the text unless kTextNoClip is given. Text
//   stops at the first line break. Text needs a Qt GUI application; one is made on the offscreen
//   platform when none exists (platform/gfx/GuiApplication.h).
// Drawing on an attached image marks the touched device rectangle; Flush presents it at once
// ("redraw now") through the presenter and forgets it. Memory surfaces have nothing to present.
//
// The primitives are virtual so that a surface drawing elsewhere (a printer) can take them over
// without its callers knowing.
class CDC {
public:
    using Presenter = std::function<void(const Rect& deviceRect)>;
    // Where an area of an attached image lies now, in image pixels.
    using AreaSource = std::function<Rect()>;

    CDC();
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Makes this a memory surface compatible with reference (or the screen). Until a bitmap is
    // selected it holds a 1 x 1 monochrome bitmap, like a new memory surface of any window system.
    bool CreateCompatibleDC(const CDC* reference);
    // Makes this a surface on an image owned elsewhere; present is called by Flush with the
    // device rectangle drawn since the last flush. The image must outlive the surface.
    void AttachImage(PixelImage* image, Presenter present = {});
    // The same on the part area of the image (in image pixels): device coordinates, the origin
    // and the clip count from the area's top-left corner, and the area bounds every drawing.
    // Flush still reports image pixels. This is how a child window's context draws into its
    // top-level window's image.
    void AttachImage(PixelImage* image, Presenter present, const Rect& area);
    // The same on an area that may move or change size while the surface lives (a window's
    // client area, as its window is placed again or its parent view scrolls): every drawing and
    // reading first takes the area where it is now, and the origin and a clip set on the surface
    // move with its corner. A clip that was the whole area stays the whole area.
    void AttachImage(PixelImage* image, Presenter present, AreaSource area);

    // Select calls return the previously selected object (null for the built-in defaults);
    // selecting null puts the built-in default back. A bitmap goes only into a memory surface,
    // and only when it has been created; otherwise nothing changes and null is returned.
    CBitmap* SelectObject(CBitmap* bitmap);
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    void SelectStockObject(StockObject object);
    CPalette* SelectPalette(CPalette* palette, bool forceBackground);
    // Realises the selected palette; returns how many entries of the system palette changed
    // (always 0 on a display without palettes; platform/gfx/SystemPalette.h tells how a palette
    // display is emulated). Selecting a palette undoes the realisation of the previous one.
    unsigned RealizePalette();

    Colour SetTextColor(Colour colour);
    Colour SetBkColor(Colour colour);
    Colour GetTextColor() const { return textColour_; }
    Colour GetBkColor() const { return backgroundColour_; }
    BackgroundMode SetBkMode(BackgroundMode mode);

    Point SetViewportOrg(int x, int y);
    Point GetViewportOrg() const;

    // Clip in device coordinates (the origin does not move it); null removes the clip.
    void SelectClipRgn(const CRgn* region);
    void SetClipRect(const Rect& deviceRect);
    void RemoveClip();
    // The clip (or the whole target) in logical coordinates.
    Rect GetClipBox() const;

    virtual void SetPixel(int x, int y, Colour colour);
    Colour GetPixel(int x, int y) const;
    virtual void FillSolidRect(const Rect& rect, Colour colour);
    virtual void FillRect(const Rect& rect, const CBrush* brush);
    Point MoveTo(int x, int y);
    virtual void LineTo(int x, int y);
    virtual void Polyline(const Point* points, int count);
    virtual void DrawText(std::string_view text, const Rect& rect, unsigned format);
    Size GetTextExtent(std::string_view text) const;
    virtual bool BitBlt(int x, int y, int width, int height, const CDC* source, int sourceX, int sourceY, RasterOp op);
    // Presents what was drawn on an attached image since the last flush.
    virtual void Flush();

    // The device rectangle that this surface's drawing has changed since the last reset, with
    // the clip applied: a picture redrawn on a plain background need only clear that part.
    Rect DrawnBounds() const;
    void ResetDrawnBounds();

    // Answers from the screen facts (platform/gfx/Screen.h): every surface here is screen-compatible.
    // RasterCaps holds kRasterCapsPalette on a palette display; SizePalette is 0 without one.
    virtual int GetDeviceCaps(DeviceCap cap) const;

    // The target's pixels: the selected bitmap's or the attached image (null when none).
    PixelImage* Target();
    const PixelImage* Target() const;

protected:
    // The selected font, or the default one when none is (or the selected one was never created).
    const CFont& CurrentFont() const;

    struct State;
    std::unique_ptr<State> state_;

private:
    // Takes the area from its source when it moved (a const surface may be read as a source).
    void FollowArea() const;
    // The clip in device coordinates, cut to the target (empty without a target).
    Rect DeviceClip() const;
    // A logical rectangle translated and clipped to the device (possibly empty).
    Rect ClipLogical(const Rect& logical) const;
    Colour Resolve(Colour colour) const;
    Pixel PixelFor(Colour colour) const;
    void Touch(const Rect& deviceRect);
    void DrawSegment(Point from, Point to);

    // In image pixels. Mutable because an area that follows its source moves the origin with it,
    // also when the surface is only read.
    mutable Point origin_;
    Colour textColour_ = colours::kBlack;
    Colour backgroundColour_ = colours::kWhite;
};
