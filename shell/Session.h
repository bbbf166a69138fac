#pragma once

#include "display/ActivationList.h"
#include "display/ScreenCamera.h"
#include "physics/ChamberData.h"
#include "physics/Generators.h"
#include "physics/LessonEvents.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class ChamberEvent;
class CWnd;
struct StoredEvent;
struct WriteFailure;

// The menu choices. Each radio group of the menu is one of these; the main frame maps them to
// and from the command ids of the menu items.
enum class Axis { X, Y, Z };
enum class Monitor { Chamber, Projector };
enum class DecayType { Type1 = 1, Type2, Type3, Type4, Type5, Type6 };
enum class TrackmakerParticle { Electron, Positron };
enum class Speed { V, TwoV, ThreeV };
enum class Direction { LeftToRight, RightToLeft };

// Where the event New Event shows comes from: made now of the chosen decay type, or installed
// before (by reading a file).
enum class EventSource { Generate, Installed };

// The chamber's rotation rate at start-up: one turn in 10 s.
constexpr double kStartRotationRate = 0.6283185308; // rad/s

// The program's state for the whole run, apart from any window: the chamber conditions, the
// camera, the current event, the menu choices, the rotation, the Trackmaker's settings, the
// activation list and the facts read at start-up. The windows show it; the main frame maps
// commands onto it. It runs New Event's part in the state, takes in a read event, saves, and
// computes the rotation's steps; none of it needs a window.
//
// One session lives in the application object, from before the main frame to after it.
class Session {
public:
    Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    ~Session();

    // Start-up.
    // Starts the lesson's events from seed: every decay type's next event is its first.
    void SeedRandomSource(uint32_t seed) { StartLesson(seed, LessonEvents::kFirstNumber); }
    // From now on New Event of each decay type makes event `number` of that type under seed,
    // then the ones after it, as `tracelume-events generate TYPE --seed SEED` numbers them.
    void StartLesson(uint32_t seed, int number);
    // The conditions the program starts with (L 500 cm, B 0.8 kG, T 0.6 MeV) and their pending
    // copy.
    void StartConditions();
    // The menu choices after start-up, and no event shown yet.
    void StartSelections();

    // New Event's part in the state: stops a running rotation, applies the pending conditions
    // when the sliders changed them, resets the orientation when Reset Each Event is checked,
    // and, to generate, replaces the current event with a new one of the chosen decay type (the
    // old one goes first, even when the new one cannot be made). Returns the name to title a
    // generated event with; nothing when the installed event stays or none could be made.
    std::optional<std::string> PrepareEvent(EventSource source);
    // The event is being shown: Replay and Save As work from now on, and its first showing is
    // still to come.
    void EventShown();
    // "Untitled Type N Decay".
    static std::string UntitledName(DecayType type);

    // Takes in an event read from a file with the file's conditions: the pending conditions get
    // them (a kind 'W' file's copied whole, a kind 'P' file's through the setters), the next New
    // Event applies them even where no slider writes them back, and event replaces the current
    // one. New Event shows it (EventSource::Installed).
    void InstallReadEvent(const StoredEvent& stored, std::shared_ptr<ChamberEvent> read);
    // A file's field may be negative: the tracks keep its curvature, and the conditions show its
    // size. Returns whether the field was negative.
    bool ShowFieldPositive();
    // Writes the current conditions and event to a kind 'W' file at path. Needs an event.
    // Returns the stage and cause of a failure, nothing when the file was saved.
    std::optional<WriteFailure> Save(const std::string& path) const;

    // The rotation. Rotate turns forward, Reverse Rotate backward; the step keeps its size.
    void SetRotationDirection(bool reverse);
    // One frame's turn of the camera about its axis by the present step (radians).
    void TurnCamera();
    // The next frame's step from the counter reading before the last frame and lastFrameEnd
    // after it: the drawing time times rotationRate, negated in reverse (0 without a counter).
    void NextRotationStep(int64_t frameStart);

    // The radio groups' effects on the state.
    void SelectAxis(Axis chosen);
    // The Trackmaker's speed in pixels per simulation unit (20, 40 or 60); its screen factor,
    // 500 x speed / 40, becomes the base the Adjust Speed On Screen dial scales from.
    double SelectSpeed(Speed chosen);
    bool MonitorChamber() const { return monitor == Monitor::Chamber; }
    bool LeftToRight() const { return direction == Direction::LeftToRight; }
    bool Electron() const { return particle == TrackmakerParticle::Electron; }
    // The Trackmaker particle's charge: -1 for the electron, +1 for the positron.
    double Charge() const { return Electron() ? -1.0 : 1.0; }

    // The activation list. A window became active: it leads the list.
    void Activate(CWnd* window);
    // A window hid itself on a close request; returns the window to activate next, null when the
    // list is empty (the active window then stays as it was).
    CWnd* WindowClosed(CWnd* window, ClosedWindowPlace place);
    // A window goes away: nothing may point at it any more.
    void Forget(const CWnd* window);
    // Exit: the event goes and the activation list is emptied.
    void Exit();

    // The chamber and its event.
    ChamberData conditions;               // the current conditions; generators and views use them
    ChamberDataHolder pendingConditions;  // what the Chamber Controls set for the next event
    ScreenCamera camera;                  // its axis (1 X, 2 Y, 3 Z) is the rotation axis
    std::shared_ptr<ChamberEvent> event;  // the current event; views hold it weakly
    LessonEvents lesson;                  // New Event's events: by seed, decay type and number
    // Which generated event is on show: its seed, type and number. Empty while none is, or
    // while the event on show came from a file.
    struct EventNumber {
        uint32_t seed = 0;
        DecayType type = DecayType::Type1;
        int number = 0;
    };
    std::optional<EventNumber> shownNumber;
    bool hasEvent = false;                // New Event has shown an event (made or read)
    bool firstPlay = true;                // the event's first showing is still to come
    bool fromCommandLine = false;         // the file being read was named on the command line

    // The menu choices.
    Axis axis = Axis::X;
    Monitor monitor = Monitor::Chamber;
    DecayType decay = DecayType::Type1;
    TrackmakerParticle particle = TrackmakerParticle::Electron;
    Speed speed = Speed::TwoV;
    Direction direction = Direction::LeftToRight;
    bool slowMotion = false;
    bool showAxes = true;
    bool showValues = true;
    bool resetEachEvent = false;

    // The rotation loop.
    bool rotating = false;                   // clearing it ends the loop after its frame
    double rotationRate = kStartRotationRate; // rad/s; the rotation-rate dialog changes it
    double rotationStep = 0.0;               // radians of the next frame
    bool reverseRotation = false;
    int64_t lastFrameEnd = 0;                // performance-counter ticks after the last frame
    bool clipDirty = false;                  // the loop must rebuild its clip before the next frame

    // The scale Export Picture last wrote a PNG at (1 to 4).
    int exportScale = 1;

    // The Trackmaker.
    bool trackmakerActive = false;
    // The screen factor of the chosen speed; the Adjust Speed On Screen dial scales from it.
    double screenFactorBase = kStartScreenFactor;

    // The activation list, and the window most recently made active (Close and Print act on it).
    ActivationList activationList;
    CWnd* activeToolWindow = nullptr;

    // Facts read at start-up.
    double perfFrequency = 0.0;                      // ticks per second of the performance counter
    double defaultRotationRate = kStartRotationRate; // rad/s; the rotation-rate dial scales from it
    bool smallScreen = false;                        // desktop less than 480 pixels high
    bool largeScreen = false;                        // desktop at least 600 pixels high

    // The Trackmaker's screen factor before any speed is chosen, that of 2V.
    static constexpr double kStartScreenFactor = 500.0;
};
