#include "shell/MainFrame.h"

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
    {cmd::kLessonSeed, cmd::kLessonSeed, [](CMainFrame& f, int) { f.AskLessonSeed(); }},
    {cmd::kColourLegend, cmd::kColourLegend, [](CMainFrame& f, int) { f.ShowColourLegend(); }},
    {cmd::kHelpGuide, cmd::kHelpAbout, [](CMainFrame& f, int id) { f.ShowHelp(id); }},
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

int CMainFrame::AxisCommand() const { return cmd::kAxisX + int(session_.axis); }
int CMainFrame::MonitorCommand() const { return session_.MonitorChamber() ? cmd::kMonitorChamber : cmd::kMonitorProjector; }
int CMainFrame::DecayCommand() const { return cmd::kDecay1 + int(session_.decay) - 1; }
int CMainFrame::ParticleCommand() const { return session_.Electron() ? cmd::kElectron : cmd::kPositron; }
int CMainFrame::SpeedCommand() const { return cmd::kSpeedV + int(session_.speed); }
int CMainFrame::DirectionCommand() const { return session_.LeftToRight() ? cmd::kLeftToRight : cmd::kRightToLeft; }

void CMainFrame::CheckRadio(int checked, int chosen)
{
    if (CMenu* menu = GetMenu()) {
        menu->CheckMenuItem(unsigned(checked), MF_BYCOMMAND | MF_UNCHECKED);
        menu->CheckMenuItem(unsigned(chosen), MF_BYCOMMAND | MF_CHECKED);
    }
}

void CMainFrame::SetCheck(int id, bool on)
{
    if (CMenu* menu = GetMenu())
        menu->CheckMenuItem(unsigned(id), MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void CMainFrame::SelectAxis(int id)
{
    assert(id >= cmd::kAxisX && id <= cmd::kAxisZ && "SelectAxis takes the id of an axis item");
    if (id < cmd::kAxisX || id > cmd::kAxisZ)
        return;
    CheckRadio(AxisCommand(), id);
    session_.SelectAxis(Axis(id - cmd::kAxisX));
}

void CMainFrame::SelectMonitor(int id)
{
    CheckRadio(MonitorCommand(), id);
    session_.monitor = id == cmd::kMonitorChamber ? Monitor::Chamber : Monitor::Projector;
}

void CMainFrame::SelectDecay(int id)
{
    assert(id >= cmd::kDecay1 && id <= cmd::kDecay6 && "SelectDecay takes the id of a Particle Decay item");
    if (id < cmd::kDecay1 || id > cmd::kDecay6)
        return;
    CheckRadio(DecayCommand(), id);
    session_.decay = DecayType(id - cmd::kDecay1 + 1);
    UpdateStatusLine();
}

void CMainFrame::ToggleSlowMotion()
{
    session_.slowMotion = !session_.slowMotion;
    SetCheck(cmd::kSlowMotion, session_.slowMotion);
}

void CMainFrame::ToggleResetEachEvent()
{
    session_.resetEachEvent = !session_.resetEachEvent;
    SetCheck(cmd::kResetEachEvent, session_.resetEachEvent);
}

// The chamber view shows the values caption only while Show Values is on; it repaints when the
// program is next idle.
void CMainFrame::ToggleShowValues()
{
    SetShowValues(!session_.showValues);
    InvalidateChamber(true);
}

void CMainFrame::SetShowValues(int on)
{
    session_.showValues = on != 0;
    SetCheck(cmd::kShowValues, session_.showValues);
}

// Close acts on whichever window was activated last; it hides itself.
void CMainFrame::CloseActive()
{
    if (session_.activeToolWindow)
        session_.activeToolWindow->SendMessage(WM_CLOSE);
}

// The event goes first and the activation list is emptied before the windows close. The close
// request is posted rather than sent: it destroys this frame, which must not happen while one
// of its own commands is still running.
void CMainFrame::Exit()
{
    session_.Exit();
    PostMessage(WM_CLOSE);
}
