#pragma once

#include "display/ScreenBoxView.h"
#include "platform/gfx/Gdi.h"
#include "platform/window/ClientDC.h"

#include <cstdint>

class CalibrationDialog;
class ChamberData;
class ScreenChamber;
class ScreenChamberView;

// How a replay puts the event's points on the screen: all at once, or one by one with a pause
// before each.
enum class ReplayPoints { AllAtOnce, OneByOne };
// Whether a drawing writes the conditions caption over the chamber (the Show Values setting).
enum class Caption { Hidden, Shown };

// The Particle Chamber tool window. It owns the chamber view, the chamber's three-entry
// logical palette and, while it is open, the Chamber Rotation Rate dialog. Closing only hides
// it; the main frame's pointers to it stay valid for the program's life.
class CScreenChamberWindow : public CScreenBoxWindow {
public:
    static constexpr Point kMinTrackSize{192, 48};  // outer size, pixels
    static constexpr Point kMaxTrackSize{640, 520}; // outer size, pixels
    static constexpr uint16_t kPaletteVersion = 0x300;

    // The rate dialog lives above this layer, so this window cannot destroy it itself: the
    // dialog's code sets this hook to a function that destroys a dialog's window. A dialog set
    // in rateDialog while the hook is null is only forgotten.
    static inline void (*destroyRateDialog)(CalibrationDialog* dialog) = nullptr;

    CScreenChamberWindow();
    ~CScreenChamberWindow() override;

    using CScreenBoxWindow::CreateView;
    // Creates the chamber view (cube of edge size through camera, 640 x 500 picture) as the
    // visible pane, then the chamber palette, and clears rateDialog. Called once, after the
    // window is created and placed.
    void CreateView(double size, ScreenCamera& camera) override;
    // The renderer of the view. Needs CreateView first.
    ScreenChamber& GetChamber();
    ScreenChamberView* ChamberView() const { return chamberView_; }
    // The chamber renderer's print form: the box and every point of the event. Needs the view.
    void PrintPicture(CDC& dc) override;
    // The view's picture with the caption it shows after a normal repaint.
    Size PictureSize() const override;
    void DrawPicture(CDC& dc) override;

    // Minimum 192 x 48, maximum 640 x 520; every call also tells the rotation loop to rebuild its
    // clip (clipDirty).
    void OnGetMinMaxInfo(MinMaxInfo* info) override;
    // Hides the window, moves it to the back of the activation list and activates the window
    // then at the front, closes the rate dialog, and brings the main frame to the top.
    void OnClose() override;
    // Moving or resizing ends the Trackmaker mode.
    void OnWindowPosChanged(const WindowPos* position) override;
    // Becoming active by any means makes this the active tool window.
    void OnActivate(unsigned state, CWnd* other, bool minimized) override;
    // Realises the palette; true when an entry changed (then the window is invalidated).
    bool OnQueryNewPalette() override;
    void OnPaletteChanged(CWnd* focusWindow) override;

    // Realises the chamber palette in a client context of the window and answers how many
    // entries changed (0 without a valid palette), invalidating the window when any did.
    unsigned RealiseChamberPalette();
    // Selects the chamber palette into dc as a foreground palette and realises it, when the
    // window has a valid one. Answers the palette dc had before, null when nothing was selected.
    CPalette* SelectChamberPalette(CDC& dc);

    // The commands' direct drawings into the client area, outside a repaint. Each needs the view
    // (CreateView) and does nothing without it.
    //
    // Replay: the chamber without points (direct mode, clipped to the view), then the points
    // where the scrolled view shows them, all at once or one by one 10 ms apart, then the caption
    // of conditions when asked for. Blocks; handles no messages.
    void DrawReplay(int32_t showAxes, ReplayPoints points, Caption caption, const ChamberData& conditions);
    // The chamber with its points as the view shows it, without caption (Reset Orientation).
    void DrawChamberNow(int32_t showAxes);

    CPalette palette;
    int32_t paletteValid = 0;
    CalibrationDialog* rateDialog = nullptr;

    // Destroys the open rate dialog (through destroyRateDialog) and clears rateDialog.
    void CloseRateDialog();

private:
    void CreateChamberPalette();
    void DrawChamberDirect(CClientDC& dc, int32_t showAxes, int32_t hideTracks);

    ScreenChamberView* chamberView_ = nullptr; // the pane; the view window owns itself
};

// The rotation loop's drawing surface on the chamber window's client area, kept open from the
// first frame to the last: the chamber palette is selected once, and the clip to the view's
// client rectangle is rebuilt only when clipDirty says the window changed size. What is drawn
// reaches the screen at the end of every frame.
class ChamberRotationFrames {
public:
    ChamberRotationFrames(CScreenChamberWindow& window, int32_t showAxes);
    ChamberRotationFrames(const ChamberRotationFrames&) = delete;
    ChamberRotationFrames& operator=(const ChamberRotationFrames&) = delete;

    // One frame in the camera's present orientation: the whole picture in direct mode (points
    // unless hidden, no caption), flushed to the screen.
    void DrawFrame();

private:
    CScreenChamberWindow& window_;
    CClientDC dc_;
};
