#pragma once

#include "platform/window/FrameWnd.h"

class CBitmap;
class CDC;
class CPalette;
class DoubleBufferView;

// Realises a tool window's palette in a client context of window (the previous palette is put
// back afterwards) and invalidates the window, with erase, when any entry changed. Returns how
// many entries changed.
unsigned RealiseWindowPalette(CWnd& window, CPalette& palette);

// The two palette notices of a window that owns palette (null: it has none): realised when the
// window comes forward, returning whether an entry changed, and again when another window
// changed the system palette.
bool RealiseOnQueryNewPalette(CWnd& window, CPalette* palette);
void RealiseOnPaletteChanged(CWnd& window, CPalette* palette, const CWnd* focusWindow);

// Makes palette from the colour table of bitmap (loaded as a section), every entry without
// flags. Returns whether the palette was made.
bool CreatePaletteFromColourTable(const CBitmap& bitmap, CPalette& palette);

// A tool window: a frame holding exactly one double-buffered view as its pane. The view is a
// child window; it is destroyed (and deletes itself) with the frame.
class CScrollWindow : public CFrameWnd {
public:
    static constexpr int kDefaultBufferSide = 500;

    CScrollWindow();
    ~CScrollWindow() override;

    // Creates a plain DoubleBufferView with a 500 x 500 picture as the visible pane.
    virtual void CreateView();

    // Draws the window's picture in its paper form (dark lines and dots on white) onto dc, with
    // the picture's top-left corner at the logical origin. Windows without a printable picture
    // draw nothing.
    virtual void PrintPicture(CDC& dc);
    // The window's picture as the screen shows it, drawn onto dc with its top-left corner at the
    // logical origin, and its size in pixels. Windows without a picture are 0 x 0 and draw nothing.
    virtual Size PictureSize() const;
    virtual void DrawPicture(CDC& dc);

    DoubleBufferView* view = nullptr; // not owned: the view window owns itself

protected:
    // Creates newView as the visible pane filling the client area, gives it a width x height
    // picture and stores it in view. newView must come from new; the window owns it from then on.
    // On failure view is null.
    bool AttachView(DoubleBufferView* newView, int width, int height);
};
