#pragma once

#include "display/DoubleBufferView.h"
#include "trackmaker/Flight.h"
#include "platform/gfx/Geometry.h"
#include "platform/window/MessageQueue.h"

#include <cstdint>
#include <memory>
#include <string>

class CPalette;
class LorentzSlideCanvas;
class TrackmakerShowCanvas;

// The Trackmaker's simulation: an electron or a positron fired horizontally into a uniform field
// perpendicular to the screen, its white track drawn live on a black area, and the D readout of
// the tape that measures a closed circle.
//
// The particle's motion is its Flight (trackmaker/Flight.h, which gives the units); the view
// steps it, draws it and pumps the messages between steps.
//
// A flight (Inject) is a loop on the caller's thread that handles every waiting message itself
// between two steps; it ends when the particle leaves the area or when running is cleared. During
// a flight the track is drawn only on the screen; CaptureTrack copies it into the back buffer.
class TrackmakerView : public DoubleBufferView {
public:
    static constexpr int kAreaWidth = 474;  // pixels
    static constexpr int kAreaHeight = 440; // pixels
    static constexpr int kClearCommand = 154;
    // A little more than 2 pi: the time, in simulation units per unit field, of one revolution.
    static constexpr double kRevolution = 6.3;
    static constexpr double kStartScreenFactor = 500.0;

    // fieldSlider: the field slider, owned by its own window; area: the simulation area in the
    // back buffer and the view; initialField: the slider's value (slider units); perfFrequency:
    // ticks per second of the performance counter.
    TrackmakerView(LorentzSlideCanvas* fieldSlider, const Rect& area, double initialField, double perfFrequency);
    ~TrackmakerView() override;

    // Starts a flight from the left edge (leftToRight) or the right edge, at mid-height, and
    // returns when it ends. Commands arriving meanwhile run inside it.
    virtual void Inject(int leftToRight);
    // One step of the flight in the present field, drawn from the previous point to the new one
    // on the flight context.
    // Returns whether the new (truncated) point lies in the area.
    int Step();
    // Edges count as inside: 0 <= x <= area width and 0 <= y <= area height.
    bool InArea(int px, int py) const;

    void SetField(double b) { field = b; }
    void SetTimeStep(double step) { flight.dt = step; }
    // t = 0; the time limit becomes one revolution at the present field (infinite at field 0).
    void ResetClock();
    // Wipes the area to black on the screen and in the back buffer, removes a shown tape and
    // shows D = 0.0.
    void ClearArea();
    // Copies what the screen shows of the view into the back buffer, so that the live track
    // survives repaints.
    void CaptureTrack();
    // Prints "D = %3.1f" with d in the D rectangle of the back buffer and copies it to the screen.
    void ShowDistance(double d);
    void SetDistanceRect(const Rect& rect) { distanceRect = rect; }
    // Unless a track is captured, fills the area of the back buffer black.
    void PaintArea();
    static std::string DistanceText(double d);

    void SetPalette(CPalette* windowPalette) { palette = windowPalette; }
    TrackmakerShowCanvas* ShowCanvas() const { return showCanvas.get(); }
    LorentzSlideCanvas* FieldSlider() const { return fieldSlider; }

    // Selects and realises the window's palette, the double-buffered repaint, then the red tape
    // line while a distance is shown.
    void OnDraw(CDC* target) override;
    // The white panel right of the area, the area, the field slider and the D readout.
    void DrawBackBuffer() override;
    // The Clear button.
    bool OnCommand(int id, int code = 0, CWnd* control = nullptr) override;
    // A release on the view itself (not on its canvases) re-arms the field slider.
    void OnLButtonUp(unsigned flags, Point point) override;

    Rect area;
    Rect distanceRect{485, 380, 540, 410};
    int32_t trackCaptured = 0;
    int64_t lastCounter = 0;     // performance-counter ticks after the last step
    double speed = 40.0;         // pixels per simulation unit
    double charge = -1.0;        // -1 electron, +1 positron
    double field = 0.0;          // slider units
    Flight flight{0.0, kAreaHeight * 0.5};
    double timeLimit = 0.0;      // one revolution, simulation units
    // Simulation units per real second times speed: dt = step seconds x screenFactor / speed.
    double screenFactor = kStartScreenFactor;
    int32_t inArea = 0;
    int32_t running = 0;
    int32_t revolutionCheckOff = 0;
    double perfFrequency;        // ticks per second of the performance counter
    std::unique_ptr<CDC> flightContext; // the view's client context while flying

private:
    // A client context of the view with its origin at minus the scroll position, so that it
    // draws in picture pixels.
    std::unique_ptr<CDC> ScrolledContext();
    // Handles the messages waiting after a step; made once a flight.
    class FlightPump {
    public:
        enum class Outcome {
            Quiet,         // nothing was handled, or only a quit request passed on
            Dispatched,    // a message was handled
            ViewDestroyed, // a handler destroyed the view: touch nothing of it any more
        };
        explicit FlightPump(const std::shared_ptr<int>& viewAlive);
        FlightPump(const FlightPump&) = delete; // the inspector points at this object
        FlightPump& operator=(const FlightPump&) = delete;
        Outcome Run();

    private:
        std::weak_ptr<int> alive_;
        bool dispatched_ = false;
        MessageInspector inspect_;
    };
    void CheckRevolution();
    void DrawDistance(double d);

    LorentzSlideCanvas* fieldSlider;
    std::unique_ptr<TrackmakerShowCanvas> showCanvas;
    CPalette* palette = nullptr;
    Point flightScroll; // the scroll position the flight context follows
    Point flightPoint;  // where the track drawn so far ends, picture pixels
    std::shared_ptr<int> alive_ = std::make_shared<int>(1); // expires with the view
};
