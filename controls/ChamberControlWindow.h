#pragma once

#include "controls/ChamberSlideCanvas.h"
#include "display/DoubleBufferView.h"
#include "display/ToolWindow.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/Gdi.h"

#include <array>
#include <cstdint>
#include <memory>

class ChamberData;
class ChamberDataHolder;
class CComboBox;

// The view of the Chamber Controls: the three sliders and the energy range list live on it as
// child windows, and its back buffer holds their pictures.
class ChamberControlsView : public DoubleBufferView {
public:
    static constexpr int kRangeListId = 143;
    static constexpr int kSliderRows = 220; // rows repainted white before the sliders are drawn

    ChamberControlsView(ChamberSlideCanvas* lSlider, ChamberSlideCanvas* tSlider, ChamberSlideCanvas* bSlider,
                        CComboBox* rangeList, CPalette* palette);

    // Selects and realises the window's palette, if any, then does the double-buffered repaint.
    void OnDraw(CDC* target) override;
    // White over the slider rows, then the three sliders.
    void DrawBackBuffer() override;
    void DrawDirect(CDC* target) override;
    // The range list's selection change: the T slider takes the chosen range.
    bool OnCommand(int id, int code, CWnd* control) override;

    int clearHeight = kSliderRows;

private:
    ChamberSlideCanvas* lSlider_;
    ChamberSlideCanvas* tSlider_;
    ChamberSlideCanvas* bSlider_;
    CComboBox* rangeList_;
    CPalette* palette_; // null without a palette
};

// The Chamber Controls tool window: sliders for the field B, the kinetic energy T and the
// chamber length L of the next event, and the list of energy ranges. It writes only the pending
// conditions, and only when a knob is let go. Closing only hides it.
class CChamberControlWindow : public ToolWindow {
public:
    static constexpr int kKnobBitmap = 139;
    static constexpr int kTrackBitmap = 142;
    static constexpr int kPictureWidth = 400;
    static constexpr int kPictureHeight = 310;
    static constexpr Point kMinTrackSize{48, 192};  // outer size, pixels
    static constexpr Point kMaxTrackSize{400, 310}; // outer size, pixels

    explicit CChamberControlWindow(FrameLink& frame);
    ~CChamberControlWindow() override;

    // The pending conditions the sliders write; not owned. Set before CreateView.
    void SetHolder(ChamberDataHolder& pending) { holder = &pending; }
    // Builds the sliders, the view and the range list. Needs the window and the holder.
    void CreateView() override;
    // Shows the conditions of data on the sliders (and writes them back into the holder).
    void UpdateFromChamber(const ChamberData& data);
    // 1: the window counts as active, so the next click acts on the controls at once.
    void SetClickThrough(int32_t flag) { clickThrough = flag; }

    // The first click on the inactive window only activates it, unless click-through is set.
    int OnMouseActivate(CWnd* desktop, unsigned hitTest, unsigned message) override;
    // Tab moves the keyboard from slider to slider, left to right (B, T, L), then to the range
    // list and round again.
    bool OnKeyDown(int key) override;

    CBitmap knobBitmap;
    CDC knobSurface;
    CBitmap backgroundBitmap;
    CDC backgroundSurface;
    CPalette palette;
    int32_t hasPalette = 0;
    int32_t clickThrough = 0;
    CFont font;
    ChamberDataHolder* holder = nullptr;
    ChamberSlideCanvas* lSlider = nullptr; // each deletes itself with its window
    ChamberSlideCanvas* tSlider = nullptr;
    ChamberSlideCanvas* bSlider = nullptr;
    CComboBox* rangeList = nullptr; // a child of the view, deleted with this window
    ChamberControlsView* controlsView = nullptr;

protected:
    // Losing the activation clears click-through.
    void Deactivated() override { clickThrough = 0; }
    CPalette* WindowPalette() override { return hasPalette ? &palette : nullptr; }

private:
    // L, T and B, in the order their windows are made.
    std::array<ChamberSlideCanvas*, 3> Sliders() const;
    void LoadPictures();
    void CreateSliders();
    void CreateRangeList();
    void DrawLabels();
    void CreateValueFont();

    std::unique_ptr<CComboBox> ownedRangeList_;
};
