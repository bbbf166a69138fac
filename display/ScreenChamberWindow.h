#pragma once

#include "display/ScreenBoxView.h"
#include "platform/gfx/Gdi.h"

#include <cstdint>

class CalibrationDialog;
class ScreenChamber;
class ScreenChamberView;

// The Particle Chamber tool window. It owns the chamber view, the chamber's three-entry
// logical palette and, while it is open, the Chamber Rotation Rate dialog. Closing only hides
// it; the main frame's pointers to it stay valid for the program's life.
class CScreenChamberWindow : public CScreenBoxWindow {
public:
    static constexpr int kPictureWidth = 640;
    static constexpr int kPictureHeight = 500;
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

    CPalette palette;
    int32_t paletteValid = 0;
    CalibrationDialog* rateDialog = nullptr;

private:
    void CreateChamberPalette();
    void CloseRateDialog();

    ScreenChamberView* chamberView_ = nullptr; // the pane; the view window owns itself
};
