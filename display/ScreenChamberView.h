#pragma once

#include "display/ScreenBoxView.h"
#include "display/ScreenChamber.h"

class CScreenChamberWindow;

// The view of the Particle Chamber: the chamber box with the event's points, on black, in a
// 640 x 500 picture, and the values caption after a normal repaint.
class ScreenChamberView : public ScreenBoxView {
public:
    ScreenChamberView(double size, ScreenCamera& camera);
    ~ScreenChamberView() override;

    ScreenChamber& GetChamber() { return *chamber_; }

    // As for every double-buffered view; then the chamber palette goes into the new buffer
    // when the window has a valid one.
    void CreateBackBuffer(CDC* target) override;
    // The palette into target and back buffer (when valid), the picture, and then the caption
    // unless this is a direct drawing, the chamber is rotating or Show Values is off.
    void OnDraw(CDC* target) override;
    // What a normal repaint shows, drawn onto dc: the back buffer's picture and the caption
    // when it is wanted.
    void DrawPicture(CDC& dc);

private:
    // The window holding this view, when it is a chamber window.
    CScreenChamberWindow* ChamberWindow() const;
    void SelectPalettes(CScreenChamberWindow& window, CDC& target);
    bool CaptionWanted() const;

    ScreenChamber* chamber_; // the box, owned by ScreenBoxView
};
