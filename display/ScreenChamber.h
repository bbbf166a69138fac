#pragma once

#include "display/ScreenBox.h"
#include "platform/gfx/Gdi.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class ChamberEvent;
struct TrackPoint;

// The renderer of the Particle Chamber: the box, the points of the current event as small
// coloured squares (all at once or one by one with a pause), and the caption with the
// conditions.
//
// The event is held weakly. Whoever owns the event (the main frame) keeps it in a
// std::shared_ptr and hands it over with SetEvent; the renderer never owns or frees it.
// Destroying or replacing the owner's shared_ptr makes the renderer see no event at once, so
// the renderer can never draw a destroyed event, whatever order the owner does things in.
//
// Points that cannot be drawn are skipped in every form of drawing (screen, print, animation),
// without a pause: a colour id outside 3 to 7 (it has no colour; ids come from files and can be
// anything), and a position that is not finite or projects outside the pixel range.
class ScreenChamber : public ScreenBox {
public:
    static constexpr int kPointSize = 2; // screen points are 2 x 2 pixel squares
    static constexpr Rect kCaptionRect{10, 10, 245, 25};
    static constexpr int kCaptionPoints = 10;

    ScreenChamber(double size, ScreenCamera& camera);

    // Remembers the event to draw (not owned, see above); draws nothing.
    void SetEvent(std::weak_ptr<const ChamberEvent> shownEvent);
    // The event to draw, or null when there is none or its owner has destroyed it.
    std::shared_ptr<const ChamberEvent> Event() const { return event_.lock(); }

    // The box, then the points unless hideTracks.
    void Draw(CDC& dc) override;
    // The box and the points for the printer (black lines, 1-pixel black points, each with the
    // mark of its colour around it, display/PrintMarks.h), whatever hideTracks says.
    void PrintDraw(CDC& dc);
    // All points of the event at once, in screen or print form by printMode. Needs an event.
    void DrawPoints(CDC& dc);
    // The points one by one in list order, waiting milliseconds on the tick counter before each
    // and flushing after each so that it shows at once. Busy-waits; processes no messages.
    // Needs an event.
    void Animate(CDC& dc, int milliseconds);
    // The caption "B = ... kG, T = ... MeV, L = ... m." in white, centred at the top of
    // captionRect. B in kG, T in MeV, L in metres.
    void DrawValues(double fieldKG, double energyMeV, double lengthM, CDC& dc);

    // The caption text for the given conditions (B in kG, T in MeV, L in metres).
    static std::string ValuesText(double fieldKG, double energyMeV, double lengthM);
    // The colour of a colour id; false for ids without a colour.
    bool PointColour(int32_t colourId, Colour& colour) const;
    // The colour a new chamber gives a track colour id (3 to 7); black for any other id.
    static Colour TrackColour(int32_t colourId);

    CFont captionFont;
    Rect captionRect = kCaptionRect;
    Colour colourTable[5];
    int32_t hideTracks = 0; // 1 = Draw shows the box only

private:
    // The pixel of a point that can be drawn, with its colour; false for a point to skip.
    bool PlacePoint(const TrackPoint& point, Point& pixel, Colour& colour) const;
    void CreateCaptionFont();

    std::weak_ptr<const ChamberEvent> event_;
};
