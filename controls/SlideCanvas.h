#pragma once

#include "display/ImageCanvas.h"
#include "platform/gfx/Gdi.h"

#include <cstdint>
#include <memory>

// The knob of a window's sliders, shared by all of them: a bitmap of two parts side by side, an
// opaque left part and a right part whose white pixels are see-through.
struct KnobDescription {
    CDC* surface = nullptr; // memory surface holding the knob bitmap; not owned
    int height = 0;         // pixels
    int width = 0;          // the whole bitmap width, pixels
    int x = 0;              // x of the knob inside the canvas
};

// The canvas and the track of a slider, in pixels. The knob travels the track's height less its
// own: position 0 is the top of the track.
struct SliderTrack {
    Size canvas;
    int width = 0;       // of the track picture
    int height = 0;      // of the track picture
    int opaqueWidth = 0; // the knob's opaque left part; the rest is see-through where white
};

// How a slider window's track picture was loaded (LoadSliderPictures).
enum class TrackPicture {
    Plain,              // not a palette display: an ordinary bitmap
    Section,            // a palette display: a section, but no palette could be made from it
    SectionWithPalette, // a palette display: a section whose colour table became the palette
};

// Loads the knob and track pictures of a window of sliders onto memory surfaces compatible with
// window. On a palette display the track is loaded as a section and palette is made from its
// colour table.
TrackPicture LoadSliderPictures(CWnd& window, int knobId, CBitmap& knob, CDC& knobSurface, int trackId,
                                CBitmap& track, CDC& trackSurface, CPalette& palette);

// A vertical bitmap slider. Its track is a rectangle copied from a background image; its knob
// moves up and down only, position 0 being the top of the track.
//
// Only the rows that changed are drawn: a move redraws the old and new knob rows, one pixel
// wider on each side, into the back buffer and copies them to the window, both through a clip. The see-through part and its mask are prepared once (PrepareKnob), so a redraw
// is a fixed number of block copies.
//
// Calling order of an owner: construct; SetPosition; optionally SetPalette; create the child
// window at frame; SetBackBuffer; PrepareKnob.
class SlideCanvas : public ImageCanvas {
public:
    // background: memory surface holding the track image, shared.
    SlideCanvas(CDC* background, const KnobDescription& knob, const SliderTrack& track);
    ~SlideCanvas() override;

    // Also moves the knob and the track by the new left edge; called once, when placed.
    void SetPosition(int x, int y) override;
    // Selects the palette (when set) into the new context, not forced into the background.
    void CreateDrawingContext() override;
    void SetPalette(CPalette* windowPalette) { palette = windowPalette; }
    // Added to every read from the background surface.
    void SetBackgroundOffset(int x, int y) { backgroundOffset = {x, y}; }
    // Builds the see-through part and its mask; once, after the window and back buffer exist.
    void PrepareKnob();

    // Paints the slider into surface (normally the back buffer) at its place there.
    virtual void Draw(CDC* surface);
    // Paints into the back buffer and copies the dirty rows to the window ("redraw now").
    virtual void Redraw();
    // Redraw with the back buffer clipped to the dirty rows as well, for a move of the knob:
    // the rest of the back buffer must hold the slider as last drawn.
    void RedrawDirtyRows();
    // Paints into the back buffer and copies it to the window, clipped to clip (canvas
    // coordinates) or, without one, whole.
    void DrawAndCopy(const Rect* clip);

    void OnLButtonDown(unsigned flags, Point point) override;
    void OnMouseMove(unsigned flags, Point point) override;
    void OnLButtonUp(unsigned flags, Point point) override;

    // The press of the grab: the knob is hit strictly inside its rows and columns. Takes the
    // capture and a fresh window context on a hit.
    void Grab(Point point);
    // The knob's new position for a pointer at y, held to 0..travel.
    int DragPosition(int y) const;
    // The knob rows of the drawn and the new position, one pixel wider on each side.
    Rect DirtyRows(int newPosition) const;
    // The end of a drag: redraws, stops dragging and releases the capture.
    void Release();

    int32_t armed = 1;          // a press while 0 only re-arms
    int knobPosition = 0;       // knob top, pixels below the track top
    int drawnPosition = 0;      // where the knob was last drawn
    int minimum = 0;
    int travel;
    int knobHeight;
    int knobWidth;
    int grabOffset = 0;         // pointer y - drawn position at the press
    int knobX;                  // hit-test span, canvas coordinates: knobX .. knobRight
    int knobRight;
    int trackX = 0;             // where the track is drawn in the back buffer
    int knobSourceX;            // x of the knob column in the background image
    int trackHeight;
    int opaqueWidth;
    int trackWidth;
    Point backgroundOffset;
    int knobDrawX;              // x of the opaque part in the back buffer
    int seeThroughDrawX;        // x of the see-through part in the back buffer
    std::unique_ptr<CDC> maskSurface;
    std::unique_ptr<CDC> partSurface;
    int32_t dragging = 0;
    Rect dirty;                 // the next window copy is clipped to it (canvas coordinates)
    CDC* backgroundSurface;
    CDC* knobSurface;
    CPalette* palette = nullptr;

private:
    void DrawSeeThrough(CDC* surface, int y) const;

    CBitmap maskBitmap_;
    CBitmap partBitmap_;
};
