// The commands that make, show and turn events: New Event, Replay Event, Rotate and Reverse
// Rotate, Reset Orientation, Show Axes and the Show menu.
#include "shell/MainFrame.h"

#include "controls/ChamberControlWindow.h"
#include "display/ProgramValues.h"
#include "display/ProjectorView.h"
#include "display/ProjectorWindow.h"
#include "display/ScreenChamberView.h"
#include "display/ScreenChamberWindow.h"
#include "physics/ChamberEvent.h"
#include "physics/Generators.h"
#include "platform/seams/MessageBox.h"
#include "shell/CommandIds.h"

#include <cassert>
#include <cmath>
#include <string>

namespace {

bool IsDecayCommand(int id) { return id >= cmd::kDecay1 && id <= cmd::kDecay6; }

// Decay type 1 to 6 of a Particle Decay item.
int DecayType(int id) { return id - cmd::kDecay1 + 1; }

std::string UntitledName(int decayType) { return "Untitled Type " + std::to_string(decayType) + " Decay"; }

} // namespace

// A generated event replaces the current one: the old one is destroyed first, so that nothing
// can show it any more, even when the new one cannot be made. An event installed by the file
// reader (decayCommand outside the six types) is shown as it is.
void CMainFrame::NewEvent()
{
    rotating = 0;
    if (conditions.Changed())
        conditions.CopyConditions(pendingConditions);
    if (resetEachEvent)
        camera.ResetOrientation();
    if (IsDecayCommand(decayCommand)) {
        event.reset();
        event = decayGenerator.GenerateDecay(DecayType(decayCommand), conditions);
        if (event)
            SetEventTitle(UntitledName(DecayType(decayCommand)));
    }
    if (!event) {
        platform::ShowMessageBox(this, "Null event", "alert", MB_OK);
        return;
    }
    if (CMenu* menu = GetMenu()) {
        menu->EnableMenuItem(cmd::kReplayEvent, MF_BYCOMMAND | MF_ENABLED);
        menu->EnableMenuItem(cmd::kSaveAs, MF_BYCOMMAND | MF_ENABLED);
    }
    hasEvent = 1;
    firstPlay = 1;
    ShowNewEvent();
    BringFrameToTop();
}

// The monitored window comes forward; the chamber renderer and the Projector's view hold the
// event weakly, so replacing or destroying it later can never leave them with a dead one.
void CMainFrame::ShowNewEvent()
{
    const bool haveChamber = chamberWindow && chamberWindow->ChamberView();
    if (monitorChamber) {
        if (activeToolWindow != ChamberWnd())
            ShowOnTop(ChamberWnd());
        if (haveChamber)
            chamberWindow->GetChamber().SetEvent(event);
        ReplayEvent();
        ShowEventInProjector();
        return;
    }
    if (projectorWindow && activeToolWindow != projectorWindow)
        ShowOnTop(projectorWindow);
    ShowEventInProjector();
    if (haveChamber)
        chamberWindow->GetChamber().SetEvent(event);
    ReplayEvent();
}

void CMainFrame::ShowEventInProjector()
{
    if (projectorWindow && projectorWindow->GetView())
        projectorWindow->GetView()->SetEvent(event);
}

void CMainFrame::ShowOnTop(CWnd* window)
{
    if (window)
        window->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

// The replay is drawn into the chamber window at once; the caption follows Show Values.
void CMainFrame::ReplayEvent()
{
    rotating = 0;
    if (!chamberWindow || !chamberWindow->ChamberView())
        return;
    const ReplayPoints points = !slowMotion && firstPlay ? ReplayPoints::AllAtOnce : ReplayPoints::OneByOne;
    chamberWindow->DrawReplay(showAxes, points, showValues ? Caption::Shown : Caption::Hidden, conditions);
    firstPlay = 0;
}

void CMainFrame::Rotate()
{
    rotationStep = std::fabs(rotationStep);
    reverseRotation = 0;
    if (!rotating)
        RunRotation();
}

void CMainFrame::ReverseRotate()
{
    rotationStep = -std::fabs(rotationStep);
    reverseRotation = 1;
    if (!rotating)
        RunRotation();
}

void CMainFrame::ResetOrientation()
{
    rotating = 0;
    camera.ResetOrientation();
    if (chamberWindow && chamberWindow->ChamberView())
        chamberWindow->DrawChamberNow(showAxes);
}

// While the loop runs its next frame shows the change; otherwise the window repaints now.
void CMainFrame::ToggleShowAxes()
{
    ToggleCheck(showAxes, cmd::kShowAxes);
    if (!chamberWindow || !chamberWindow->ChamberView())
        return;
    chamberWindow->GetChamber().showAxes = showAxes;
    if (!rotating) {
        InvalidateChamber(true);
        chamberWindow->UpdateWindow();
        chamberWindow->ChamberView()->UpdateWindow();
    }
}

// The view is a child window that paints itself: marking the frame alone would not redraw it.
void CMainFrame::InvalidateChamber(bool erase)
{
    if (!chamberWindow)
        return;
    chamberWindow->Invalidate(erase);
    if (CWnd* view = chamberWindow->ChamberView())
        view->Invalidate(erase);
}

void CMainFrame::ShowToolWindow(int id)
{
    assert(id >= cmd::kShowChamber && id <= cmd::kShowProjector && "ShowToolWindow takes the id of a Show item");
    if (trackmakerActive)
        SetTrackmakerMode(0);
    CWnd* window = projectorWindow;
    if (id == cmd::kShowChamber)
        window = ChamberWnd();
    else if (id == cmd::kShowControls)
        window = controlsWindow;
    if (!window)
        return;
    ShowOnTop(window);
    ActivateToolWindow(window);
    if (id == cmd::kShowControls)
        controlsWindow->SetClickThrough(1);
    if (id == cmd::kShowChamber)
        BringFrameToTop();
}
