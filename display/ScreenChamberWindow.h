#pragma once

#include "display/ScreenChamberView.h"
#include "display/ToolWindow.h"
#include "platform/gfx/Gdi.h"
#include "platform/window/ClientDC.h"

#include <cstdint>

class CDialog;
class ChamberData;
class ScreenChamber;

// How a replay puts the event's points on the screen: all at once, or one by one with a pause
// before each.
enum class ReplayPoints { AllAtOnce, OneByOne };
// Whether a drawing writes the conditions caption over the chamber (the Show Values setting).
enum class Caption { Hidden, Shown };

// The Particle Chamber tool window. It owns the chamber view, the chamber's three-entry
// logical palette and, while it is open, the Chamber Rotation Rate dialog. Closing only hides
// it; the main frame's pointers to it stay valid for the program's life.
class CScreenChamberWindow : public ToolWindow {
public:
    static constexpr Point kMinTrackSize{192, 48};  // outer size, pixels
    static constexpr Point kMaxTrackSize{640, 520}; // outer size, pixels
    static constexpr uint16_t kPaletteVersion = 0x300;

    explicit CScreenChamberWindow(FrameLink& frame);
    ~CScreenChamberWindow() override;

    using ToolWindow::CreateView;
    // Creates the chamber view (cube of edge size through camera, 640 x 500 picture) as the
    // visible pane, then the chamber palette, and clears rateDialog. Called once, after the
    // window is created and placed.
    void CreateView(double size, ScreenCamera& camera);
    // The renderer of the view. Needs CreateView first.
    ScreenChamber& GetChamber();
    ScreenChamberView* ChamberView() const { return chamberView_; }
    // The chamber renderer's print form: the box and every point of the event. Needs the view.
    void PrintPicture(CDC& dc) override;
    // The view's picture with the caption it shows after a normal repaint.
    Size PictureSize() const override;
    void DrawPicture(CDC& dc) override;

    // Minimum 192 x 48, maximum 640 x 520; every call also tells the rotation loop to rebuild its
    // clip (the frame's MarkClipDirty).
    void OnGetMinMaxInfo(MinMaxInfo* info) override;

    // Realises the chamber palette in a client context of the window and answers how many
    // entries changed (0 without a valid palette), invalidating the window when any did.
    unsigned RealiseChamberPalette();

    // The commands' direct drawings into the client area, outside a repaint. Each needs the view
    // (CreateView) and does nothing without it.
    //
    // Replay: the chamber without points (direct mode, clipped to the view), then the points
    // where the scrolled view shows them, all at once or one by one 10 ms apart, then the caption
    // of conditions when asked for. Blocks; handles no messages.
    void DrawReplay(int32_t showAxes, ReplayPoints points, Caption caption, const ChamberData& conditions);
    // The chamber with its points as the view shows it, without caption (Reset Orientation).
    void DrawChamberNow(int32_t showAxes);

    ChamberPalette chamberPalette;
    CDialog* rateDialog = nullptr; // the open Chamber Rotation Rate dialog; it deletes itself

    // Destroys the open rate dialog, if any, and clears rateDialog.
    void CloseRateDialog();

protected:
    // The closed window's rate dialog closes with it.
    void CloseOwnDialog() override { CloseRateDialog(); }
    CPalette* WindowPalette() override;

private:
    void CreateChamberPalette();
    void DrawChamberDirect(CClientDC& dc, int32_t showAxes, int32_t hideTracks);

    ScreenChamberView* chamberView_ = nullptr; // the pane; the view window owns itself
};

// The rotation loop's drawing surface on the chamber window's client area, kept open from the
// first frame to the last: the chamber palette is selected once, and the clip to the view's
// client rectangle is rebuilt only when clipDirty (the frame's flag, which the window raises
// when its size limits are asked for) says the window changed size. What is drawn reaches the
// screen at the end of every frame.
class ChamberRotationFrames {
public:
    ChamberRotationFrames(CScreenChamberWindow& window, int32_t showAxes, bool& clipDirty);
    ChamberRotationFrames(const ChamberRotationFrames&) = delete;
    ChamberRotationFrames& operator=(const ChamberRotationFrames&) = delete;

    // One frame in the camera's present orientation: the whole picture in direct mode (points
    // unless hidden, no caption), flushed to the screen.
    void DrawFrame();

private:
    CScreenChamberWindow& window_;
    CClientDC dc_;
    bool& clipDirty_;
};
