#pragma once

#include "display/FrameLink.h"
#include "platform/window/FrameWnd.h"
#include "shell/Session.h"
#include "shell/ShowWindow.h"
#include "shell/StartupOptions.h"

#include <cstdint>
#include <memory>
#include <string>

class CChamberControlWindow;
class CScreenChamberWindow;
class CProjectorWindow;
class CTrackmakerWindow;
class CScrollWindow;
class TrackmakerView;

// Window placements in screen pixels (x, y, width, height of the outer rectangle).
struct Placement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Placement&, const Placement&) = default;
};

// The placements of the tool windows on a normal screen and on a large one (at least 600
// pixels high).
namespace placement {
constexpr Placement kChamberNormal{0, 40, 640, 440};
constexpr Placement kChamberLarge{10, 44, 650, 500};
constexpr Placement kControls{50, 84, 390, 310};
constexpr Placement kProjectorNormal{0, 37, 640, 445};
constexpr Placement kProjectorLarge{30, 64, 648, 460};
constexpr Placement kTrackmakerNormal{0, 37, 640, 445};
constexpr Placement kTrackmakerLarge{0, 44, 650, 500};
constexpr int kFrameHeight = 48;
}

// Tool windows: a title bar, a system menu and a sizing border, no minimise or maximise button.
constexpr unsigned kToolWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;

// The main frame: the menu strip across the top of the screen. It maps the command ids of the
// menu and the keys onto the session (the program's state, which it is given and does not own),
// keeps the menu's check marks and greying, and owns every tool and picture window, each of
// which it hands itself as their FrameLink.
//
// The frame deletes itself when its window is destroyed (create it with new); the tool windows
// and picture windows are top-level windows owned by it and are destroyed before it.
class CMainFrame : public CFrameWnd, public FrameLink {
public:
    explicit CMainFrame(Session& session);
    ~CMainFrame() override;

    // The program's state.
    Session& State() const { return session_; }

    // Seeds the random source, shows the splash for 3000 ms and creates and places the tool
    // windows. Returns true.
    virtual bool CreateToolWindows();

    // FrameLink.
    void ActivateToolWindow(CWnd* window) override;
    void ToolWindowClosed(CWnd* window, ClosedWindowPlace place) override;
    void ToolWindowDestroyed(CWnd* window) override;
    void SetTrackmakerMode(int on) override;
    bool TrackmakerActive() const override { return session_.trackmakerActive; }
    void BringFrameToTop() override;
    bool Rotating() const override { return session_.rotating; }
    bool ShowValues() const override { return session_.showValues; }
    const ChamberData& Conditions() const override { return session_.conditions; }
    void MarkClipDirty() override { session_.clipDirty = true; }
    double PerfFrequency() const override { return session_.perfFrequency; }

    // Titles the Particle Chamber "Particle Chamber: <name>" and the Projector "Projector: <name>".
    void SetEventTitle(const std::string& name);
    // Reads the event file at path and shows its event with the file's conditions. A file that
    // cannot be read changes nothing and shows the message of the stage that failed. The
    // session's fromCommandLine picks the message of a failed open (the start-up open's is owned
    // by the desktop); every read clears it.
    virtual void ReadEventFile(const std::string& path);
    // Save As: writes the current conditions and event to a file chosen in the save dialog and
    // titles the event with it.
    void SaveAs();
    // Open (event files) or Import (anyFile: every file is listed): reads a file chosen in the
    // open dialog and titles the event with it, whether or not it could be read.
    void OpenEventFile(bool anyFile);
    // Sets Show Values and its check mark without repainting.
    void SetShowValues(int on);

    // Commands (menu items and accelerator keys).
    // Makes an event of the chosen decay type and shows it.
    void NewEvent();
    // New Event's showing of an event: of a new one (Generate), or of the one a file read
    // installed (Installed), which is shown as it is and titled by the reader. Without an event
    // it says "Null event" and changes nothing.
    void ShowEvent(EventSource source);
    // Draws the box without points, then the points: at once on an event's first showing unless
    // Slow Motion is on, otherwise one by one, 10 ms apart. Blocks; handles no messages.
    void ReplayEvent();
    // Rotate turns counter-clockwise, Reverse Rotate clockwise; each starts the rotation loop
    // unless it is running already, in which case only the direction of the next frames changes.
    void Rotate();
    void ReverseRotate();
    // Stops the rotation and draws the chamber in its starting orientation.
    void ResetOrientation();
    void ToggleShowAxes();
    // Shows the Particle Chamber (129), Chamber Controls (130) or Projector (131) on top.
    void ShowToolWindow(int id);
    void SelectAxis(int id);
    void SelectMonitor(int id);
    void SelectDecay(int id);
    void ToggleSlowMotion();
    void ToggleShowValues();
    void ToggleResetEachEvent();
    void CloseActive();
    // Opens the Chamber Rotation Rate dialog, or brings the open one forward.
    void AdjustRotationRate();
    // Prints one page with the active tool window's picture (the Particle Chamber or the
    // Projector; any other window prints nothing) under the date, its title and the current
    // conditions, on the printer chosen in the print dialog. Failures are shown in message boxes.
    void PrintActiveWindow();
    // Saves the picture of the window Print would print, as the screen shows it, to a file
    // chosen in the save dialog: a PNG at 1 to 4 times its pixels, or a PDF page drawn as Print
    // draws it. A file that cannot be written is reported in a message box.
    void ExportPicture();
    void Exit();
    // Opens the reminder picture of a Reminders item (165 to 168), or brings it forward when it
    // is open already; ShowAbout does the same for the About picture, centred on the desktop.
    void ShowReminder(int id);
    void ShowAbout();

    // The classroom. Lesson Seed asks for a seed and an event number: New Event of each decay
    // type then makes that event, as `tracelume-events generate TYPE --seed SEED` numbers it.
    void AskLessonSeed();
    // The status line at the right of the menu bar: the seed and number of the event on show
    // (or of the next one) and its decay.
    std::string StatusLine() const;
    void UpdateStatusLine();
    // "Seed 4242, event 3" for a lesson's event on show, else empty: printed after the title.
    std::string LessonNote() const;
    // A file name for the event on show, without extension: the lesson's "type-3-seed-4242-event-3",
    // a file's own name, or "Tracelume" while there is no event.
    std::string EventFileStem() const;
    // The particle of each track colour, for the decay on show (or chosen).
    void ShowColourLegend();
    // The Help menu's pages (kHelpGuide, kHelpKeys, kHelpAbout).
    void ShowHelp(int id);

    // The Trackmaker menu. Activate creates the Trackmaker window on first use and shows it,
    // Deactivate hides it; each brings the frame to the top again.
    void ToggleTrackmaker();
    void CreateTrackmakerWindow();
    // Fires the particle in the chosen direction; the flight runs inside this call.
    void InjectParticle();
    void SelectParticle(int id);
    // Gives the Trackmaker view the speed of the item and resets its screen factor to the
    // speed's own, the session's screenFactorBase = 500 x speed / 40.
    void SelectSpeed(int id);
    void SelectDirection(int id);
    // Opens the Trackmaker Screen Speed dialog, or brings the open one forward.
    void AdjustScreenSpeed();
    // The Trackmaker's view, or null while there is no Trackmaker window.
    TrackmakerView* GetTrackmakerView() const;

    bool OnCommand(int id, int code = 0, CWnd* control = nullptr) override;

    // The command ids of the radio items that carry the check marks, from the session's choices.
    int AxisCommand() const;
    int MonitorCommand() const;
    int DecayCommand() const;
    int ParticleCommand() const;
    int SpeedCommand() const;
    int DirectionCommand() const;

    // The rotation loop: turns the camera about its axis and draws the chamber straight into its
    // window, frame after frame, until the session's rotating is cleared. Each frame turns by the
    // previous frame's drawing time times the rotation rate. Between frames it handles every
    // waiting message itself, so commands run nested inside it.
    void RunRotation();

    // A close request while a rotation loop or a Trackmaker flight runs only stops them: the
    // frame cannot be destroyed under a loop that is one of its own commands. The last loop to
    // end posts the request again.
    void OnClose() override;

    // Where a tool window goes on this screen.
    Placement ChamberPlacement() const;
    Placement ProjectorPlacement() const;

    CChamberControlWindow* controlsWindow = nullptr;
    CScreenChamberWindow* chamberWindow = nullptr;
    CProjectorWindow* projectorWindow = nullptr;
    CTrackmakerWindow* trackmakerWindow = nullptr;
    std::string pictureClass;
    std::unique_ptr<CShowWindow> aboutWindow;
    std::unique_ptr<CShowWindow> energyWindow;
    std::unique_ptr<CShowWindow> toolsWindow;
    std::unique_ptr<CShowWindow> realLifeWindow;
    std::unique_ptr<CShowWindow> motionWindow;
    int32_t rotationLoops = 0;      // rotation loops running now (nested ones included)
    int32_t flightLoops = 0;        // Trackmaker flights running now (nested ones included)
    int32_t closeAfterLoops = 0;    // 1 when a close request waits for the loops to end

    // The tool-window class: redraws the whole window when its width or height changes.
    std::string toolWindowClass;

    // The Particle Chamber as a plain window (null while not created).
    CWnd* ChamberWnd() const;
    // The active tool window when it has a printable picture (the Particle Chamber or the
    // Projector), and where its picture starts on the page; null otherwise.
    CScrollWindow* PicturedWindow(int& pictureX) const;
    // Marks the Particle Chamber's client area, its view included, for repainting ("redraw
    // soon"); erase asks for the background to be erased first.
    void InvalidateChamber(bool erase);

protected:
    void OnDestroy() override;

private:
    Session& session_;
    // The command line as read at start-up: the seed and the event file to open.
    StartupOptions startupOptions;

    void ShowSplash();
    void WaitForSplash() const;
    void CloseSplash();
    void CreateChamberWindow();
    void CreateControlsWindow();
    void CreateProjectorWindow();
    void PlaceHidden(CWnd* window, const Placement& where);
    void OpenCommandLineFile();
    // Moves a radio group's check mark from the item checked to the item chosen.
    void CheckRadio(int checked, int chosen);
    // Sets or removes a check item's check mark.
    void SetCheck(int id, bool on);
    // The part of New Event that puts the event on the screen, in the order the monitor choice
    // asks for.
    void ShowNewEvent();
    // Shows a tool window on top without moving or resizing it.
    static void ShowOnTop(CWnd* window);
    // Hands the current event to the Projector's view.
    void ShowEventInProjector();
    // Creates the picture window held in field on first use, later brings it forward.
    void ShowPicture(std::unique_ptr<CShowWindow>& field, int bitmapId, const char* title, bool centred);
    // Posts the close request that waited for the loops, once none runs any more.
    void CloseAfterLoops();
    // Hides the Trackmaker window and activates the tool window used before it.
    void HideTrackmakerWindow();
    // Handles the messages waiting between two rotation frames.
    void PumpRotationMessages();
};
