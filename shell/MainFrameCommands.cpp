#include "shell/MainFrame.h"

#include "display/ProgramValues.h"
#include "shell/CommandIds.h"

#include <cassert>

namespace {

using Handler = void (*)(CMainFrame&, int id);

struct CommandRoute {
    int first; // the range of command ids a handler serves, both ends included
    int last;
    Handler handler;
};

// Every command the frame handles, by id. A menu item whose command is not listed does nothing.
constexpr CommandRoute kCommandRoutes[] = {
    {cmd::kOpenEventFile, cmd::kOpenEventFile, [](CMainFrame& f, int) { f.OpenEventFile(false); }},
    {cmd::kImportEventFile, cmd::kImportEventFile, [](CMainFrame& f, int) { f.OpenEventFile(true); }},
    {cmd::kSaveAs, cmd::kSaveAs, [](CMainFrame& f, int) { f.SaveAs(); }},
    {cmd::kClose, cmd::kClose, [](CMainFrame& f, int) { f.CloseActive(); }},
    {cmd::kPrint, cmd::kPrint, [](CMainFrame& f, int) { f.PrintActiveWindow(); }},
    {cmd::kExportPicture, cmd::kExportPicture, [](CMainFrame& f, int) { f.ExportPicture(); }},
    {cmd::kExit, cmd::kExit, [](CMainFrame& f, int) { f.Exit(); }},
    {cmd::kNewEvent, cmd::kNewEvent, [](CMainFrame& f, int) { f.NewEvent(); }},
    {cmd::kReplayEvent, cmd::kReplayEvent, [](CMainFrame& f, int) { f.ReplayEvent(); }},
    {cmd::kRotate, cmd::kRotate, [](CMainFrame& f, int) { f.Rotate(); }},
    {cmd::kReverseRotate, cmd::kReverseRotate, [](CMainFrame& f, int) { f.ReverseRotate(); }},
    {cmd::kResetOrientation, cmd::kResetOrientation, [](CMainFrame& f, int) { f.ResetOrientation(); }},
    {cmd::kAxisX, cmd::kAxisZ, [](CMainFrame& f, int id) { f.SelectAxis(id); }},
    {cmd::kSlowMotion, cmd::kSlowMotion, [](CMainFrame& f, int) { f.ToggleSlowMotion(); }},
    {cmd::kMonitorChamber, cmd::kMonitorProjector, [](CMainFrame& f, int id) { f.SelectMonitor(id); }},
    {cmd::kShowAxes, cmd::kShowAxes, [](CMainFrame& f, int) { f.ToggleShowAxes(); }},
    {cmd::kShowValues, cmd::kShowValues, [](CMainFrame& f, int) { f.ToggleShowValues(); }},
    {cmd::kResetEachEvent, cmd::kResetEachEvent, [](CMainFrame& f, int) { f.ToggleResetEachEvent(); }},
    {cmd::kShowChamber, cmd::kShowProjector, [](CMainFrame& f, int id) { f.ShowToolWindow(id); }},
    {cmd::kAdjustRotationRate, cmd::kAdjustRotationRate, [](CMainFrame& f, int) { f.AdjustRotationRate(); }},
    {cmd::kDecay1, cmd::kDecay6, [](CMainFrame& f, int id) { f.SelectDecay(id); }},
    {cmd::kUsefulTools, cmd::kRealLife, [](CMainFrame& f, int id) { f.ShowReminder(id); }},
    {cmd::kAbout, cmd::kAbout, [](CMainFrame& f, int) { f.ShowAbout(); }},
    {cmd::kTrackmakerActivate, cmd::kTrackmakerActivate, [](CMainFrame& f, int) { f.ToggleTrackmaker(); }},
    {cmd::kInjectParticle, cmd::kInjectParticle, [](CMainFrame& f, int) { f.InjectParticle(); }},
    {cmd::kSpeedV, cmd::kSpeed3V, [](CMainFrame& f, int id) { f.SelectSpeed(id); }},
    {cmd::kElectron, cmd::kPositron, [](CMainFrame& f, int id) { f.SelectParticle(id); }},
    {cmd::kLeftToRight, cmd::kRightToLeft, [](CMainFrame& f, int id) { f.SelectDirection(id); }},
    {cmd::kAdjustScreenSpeed, cmd::kAdjustScreenSpeed, [](CMainFrame& f, int) { f.AdjustScreenSpeed(); }},
};

}

bool CMainFrame::OnCommand(int id, int, CWnd*)
{
    for (const CommandRoute& route : kCommandRoutes) {
        if (id >= route.first && id <= route.last) {
            route.handler(*this, id);
            return true;
        }
    }
    return false;
}

void CMainFrame::SelectRadio(int32_t& field, int id)
{
    if (CMenu* menu = GetMenu()) {
        menu->CheckMenuItem(unsigned(field), MF_BYCOMMAND | MF_UNCHECKED);
        menu->CheckMenuItem(unsigned(id), MF_BYCOMMAND | MF_CHECKED);
    }
    field = id;
}

void CMainFrame::ToggleCheck(int32_t& field, int id)
{
    field = field ? 0 : 1;
    if (CMenu* menu = GetMenu())
        menu->CheckMenuItem(unsigned(id), MF_BYCOMMAND | (field ? MF_CHECKED : MF_UNCHECKED));
}

void CMainFrame::SelectAxis(int id)
{
    assert(id >= cmd::kAxisX && id <= cmd::kAxisZ && "SelectAxis takes the id of an axis item");
    if (id < cmd::kAxisX || id > cmd::kAxisZ)
        return;
    SelectRadio(axisCommand, id);
    camera.axis = ScreenCamera::kAxisX + (id - cmd::kAxisX);
}

void CMainFrame::SelectMonitor(int id)
{
    SelectRadio(monitorCommand, id);
    monitorChamber = id == cmd::kMonitorChamber ? 1 : 0;
}

void CMainFrame::SelectDecay(int id) { SelectRadio(decayCommand, id); }

void CMainFrame::ToggleSlowMotion() { ToggleCheck(slowMotion, cmd::kSlowMotion); }

void CMainFrame::ToggleResetEachEvent() { ToggleCheck(resetEachEvent, cmd::kResetEachEvent); }

// The chamber view shows the values caption only while showValues is set; it repaints when the
// program is next idle.
void CMainFrame::ToggleShowValues()
{
    ToggleCheck(showValues, cmd::kShowValues);
    InvalidateChamber(true);
}

void CMainFrame::SetShowValues(int on)
{
    showValues = on ? 1 : 0;
    if (CMenu* menu = GetMenu())
        menu->CheckMenuItem(cmd::kShowValues, MF_BYCOMMAND | (showValues ? MF_CHECKED : MF_UNCHECKED));
}

// Close acts on whichever window was activated last; it hides itself.
void CMainFrame::CloseActive()
{
    if (activeToolWindow)
        activeToolWindow->SendMessage(WM_CLOSE);
}

// The event goes first and the activation list is emptied before the windows close. The close
// request is posted rather than sent: it destroys this frame, which must not happen while one
// of its own commands is still running.
void CMainFrame::Exit()
{
    event.reset();
    activationList.Clear();
    PostMessage(WM_CLOSE);
}
