#pragma once

#include "display/ScreenBoxView.h"
#include "display/ScreenChamber.h"
#include "platform/gfx/Gdi.h"

#include <cstdint>

class FrameLink;

// The chamber's three-entry logical palette, owned by the Particle Chamber window and used by
// its view. Only a palette display gets one (see the window's CreateView).
struct ChamberPalette {
    CPalette palette;
    int32_t valid = 0; // 1 when the palette exists and is to be used

    // Selects the palette into dc as a foreground palette and realises it, when valid. Answers
    // the palette dc had before, null when nothing was selected.
    CPalette* SelectInto(CDC& dc);
};

// The view of the Particle Chamber: the chamber box with the event's points, on black, in a
// 640 x 500 picture, and the values caption after a normal repaint.
class ScreenChamberView : public ScreenBoxView {
public:
    // palette: the window's chamber palette; frame: what the caption depends on. Neither is
    // owned.
    ScreenChamberView(double size, ScreenCamera& camera, ChamberPalette& palette, const FrameLink& frame);
    ~ScreenChamberView() override;

    ScreenChamber& GetChamber() { return *chamber_; }

    // As for every double-buffered view; then the chamber palette goes into the new buffer
    // when it is valid.
    void CreateBackBuffer(CDC* target) override;
    // The palette into target and back buffer (when valid), the picture, and then the caption
    // unless this is a direct drawing, the chamber is rotating or Show Values is off.
    void OnDraw(CDC* target) override;
    // What a normal repaint shows, drawn onto dc: the back buffer's picture and the caption
    // when it is wanted.
    void DrawPicture(CDC& dc);

private:
    void SelectPalettes(CDC& target);
    bool CaptionWanted() const;

    ScreenChamber* chamber_; // the box, owned by ScreenBoxView
    ChamberPalette& palette_;
    const FrameLink& frame_;
};
