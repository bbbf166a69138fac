#pragma once

#include "controls/SlideCanvas.h"
#include "display/ToolWindow.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/Gdi.h"

#include <cstdint>
#include <memory>

class CButton;
class CDialog;
class LorentzSlideCanvas;
class TrackmakerView;

// The "Trackmaker" tool window: the simulation view with its black area, the field slider right
// of it, the Clear button at the top right and the tape canvas over the area. It is created on
// the first Activate and lives until the program ends; closing it only hides it and ends the
// Trackmaker mode. Moving it does not end the mode.
class CTrackmakerWindow : public ToolWindow {
public:
    static constexpr int kKnobBitmap = 144;       // 51 x 33, 16 colours
    static constexpr int kBackgroundBitmap = 145; // 119 x 353, 16 colours: the slider's track
    static constexpr int kKnobX = 20;
    static constexpr Rect kArea{0, 0, 474, 440};
    static constexpr Size kPicture{624, 440};
    static constexpr Point kSliderPlace{480, 23};
    static constexpr int kSliderId = 110;
    static constexpr int kShowCanvasId = 125;
    static constexpr Rect kClearButtonRect{500, 1, 580, 21};
    static constexpr Rect kDistanceRect{485, 380, 540, 410};
    static constexpr Point kMinTrackSize{192, 48};  // outer size, pixels
    static constexpr Point kMaxTrackSize{632, 480}; // outer size, pixels

    explicit CTrackmakerWindow(FrameLink& frame);
    ~CTrackmakerWindow() override;

    // Builds the field slider, the view, the Clear button and the tape canvas.
    void CreateView() override;
    TrackmakerView* GetView() const { return trackmakerView; }
    // Destroys the open speed dialog, if any, and forgets it.
    void CloseSpeedDialog();

    // Keys typed anywhere in the window reach the keyboard tape.
    bool OnKeyDown(int key) override;

    CBitmap knobBitmap;
    CDC knobSurface;
    CBitmap backgroundBitmap;
    CDC backgroundSurface;
    CPalette palette;
    int32_t hasPalette = 0;
    LorentzSlideCanvas* fieldSlider = nullptr; // deletes itself with its window
    std::unique_ptr<CButton> clearButton;      // a child of the view
    CDialog* speedDialog = nullptr;            // the open screen speed dialog; it deletes itself
    TrackmakerView* trackmakerView = nullptr;  // deletes itself with its window

protected:
    // The speed dialog goes first, while this window can still be told; then the frame forgets
    // this window.
    void OnDestroy() override;
    // A click into the window while the mode is off turns it on; that click only activates, so
    // the field slider lets it pass. Any change of activation ends measuring.
    void Activated(unsigned state) override;
    // Losing the activation stops a flight.
    void Deactivated() override;
    // Closing ends the Trackmaker mode and measuring before the activation moves on, and closes
    // the speed dialog after.
    void WhenHidden() override;
    void CloseOwnDialog() override { CloseSpeedDialog(); }
    // On a palette display the window counts as having a palette even when none could be made.
    CPalette* WindowPalette() override { return hasPalette ? &palette : nullptr; }

private:
    void LoadPictures();
    // Places the view's children: the Clear button, the slider's window and the tape canvas.
    void CreateChildren(const std::string& childClass);
};
