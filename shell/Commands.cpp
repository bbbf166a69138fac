// The commands that make, show and turn events: New Event, Replay Event, Rotate and Reverse
// Rotate, Reset Orientation, Show Axes and the Show menu.
#include "shell/MainFrame.h"

#include "controls/ChamberControlWindow.h"
#include "display/ProjectorView.h"
#include "display/ProjectorWindow.h"
#include "display/ScreenChamberView.h"
#include "display/ScreenChamberWindow.h"
#include "physics/ChamberEvent.h"
#include "platform/seams/MessageBox.h"
#include "shell/CommandIds.h"

#include <cassert>
#include <string>

void CMainFrame::NewEvent() { ShowEvent(EventSource::Generate); }

// A generated event replaces the current one: the old one is destroyed first, so that nothing
// can show it any more, even when the new one cannot be made. An installed event is shown as
// it is.
void CMainFrame::ShowEvent(EventSource source)
{
    if (const std::optional<std::string> name = session_.PrepareEvent(source))
        SetEventTitle(*name);
    if (!session_.event) {
        platform::ShowMessageBox(this, "Null event", "alert", MB_OK);
        return;
    }
    if (CMenu* menu = GetMenu()) {
        menu->EnableMenuItem(cmd::kReplayEvent, MF_BYCOMMAND | MF_ENABLED);
        menu->EnableMenuItem(cmd::kSaveAs, MF_BYCOMMAND | MF_ENABLED);
    }
    session_.EventShown();
    UpdateStatusLine();
    ShowNewEvent();
    BringFrameToTop();
}

// The monitored window comes forward; the chamber renderer and the Projector's view hold the
// event weakly, so replacing or destroying it later can never leave them with a dead one.
void CMainFrame::ShowNewEvent()
{
    const bool haveChamber = chamberWindow && chamberWindow->ChamberView();
    if (session_.MonitorChamber()) {
        if (session_.activeToolWindow != ChamberWnd())
            ShowOnTop(ChamberWnd());
        if (haveChamber)
            chamberWindow->GetChamber().SetEvent(session_.event);
        ReplayEvent();
        ShowEventInProjector();
        return;
    }
    if (projectorWindow && session_.activeToolWindow != projectorWindow)
        ShowOnTop(projectorWindow);
    ShowEventInProjector();
    if (haveChamber)
        chamberWindow->GetChamber().SetEvent(session_.event);
    ReplayEvent();
}

void CMainFrame::ShowEventInProjector()
{
    if (projectorWindow && projectorWindow->GetView())
        projectorWindow->GetView()->SetEvent(session_.event);
}

void CMainFrame::ShowOnTop(CWnd* window)
{
    if (window)
        window->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

// The replay is drawn into the chamber window at once; the caption follows Show Values.
void CMainFrame::ReplayEvent()
{
    session_.rotating = false;
    if (!chamberWindow || !chamberWindow->ChamberView())
        return;
    const ReplayPoints points =
        !session_.slowMotion && session_.firstPlay ? ReplayPoints::AllAtOnce : ReplayPoints::OneByOne;
    chamberWindow->DrawReplay(session_.showAxes, points, session_.showValues ? Caption::Shown : Caption::Hidden,
                              session_.conditions);
    session_.firstPlay = false;
}

void CMainFrame::Rotate()
{
    session_.SetRotationDirection(false);
    if (!session_.rotating)
        RunRotation();
}

void CMainFrame::ReverseRotate()
{
    session_.SetRotationDirection(true);
    if (!session_.rotating)
        RunRotation();
}

void CMainFrame::ResetOrientation()
{
    session_.rotating = false;
    session_.camera.ResetOrientation();
    if (chamberWindow && chamberWindow->ChamberView())
        chamberWindow->DrawChamberNow(session_.showAxes);
}

// While the loop runs its next frame shows the change; otherwise the window repaints now.
void CMainFrame::ToggleShowAxes()
{
    session_.showAxes = !session_.showAxes;
    SetCheck(cmd::kShowAxes, session_.showAxes);
    if (!chamberWindow || !chamberWindow->ChamberView())
        return;
    chamberWindow->GetChamber().showAxes = session_.showAxes;
    if (!session_.rotating) {
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
    if (session_.trackmakerActive)
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
