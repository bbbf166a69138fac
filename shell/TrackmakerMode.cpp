#include "shell/MainFrame.h"

#include "shell/CommandIds.h"
#include "shell/Resources.h"
#include "trackmaker/TrackmakerView.h"
#include "trackmaker/TrackmakerWindow.h"

#include <cassert>

namespace {

constexpr int kMenuTextBuffer = 256;
constexpr const char* kSelectParticleText = "Select &Particle";
// The menu-bar pop-ups that act on chamber events; the Trackmaker mode closes them.
constexpr int kEventPopups[] = {res::kActionsPopup, res::kSettingsPopup, res::kEventPopup};
constexpr int kSelectPopups = 3; // Select Particle, Select Speed, Select Direction, side by side

// The position of "Select &Particle" in the Trackmaker pop-up, read from the item texts; -1
// when it is missing.
int FindSelectPopups(const CMenu& trackmaker)
{
    char text[kMenuTextBuffer];
    const int count = trackmaker.GetMenuItemCount();
    for (int position = 0; position < count; ++position) {
        text[0] = '\0';
        trackmaker.GetMenuString(unsigned(position), text, kMenuTextBuffer, MF_BYPOSITION);
        if (std::string(text) == kSelectParticleText)
            return position;
    }
    return -1;
}

void SetSelectPopups(CMenu& trackmaker, unsigned state)
{
    const int first = FindSelectPopups(trackmaker);
    assert(first >= 0 && "the Trackmaker menu lost its \"Select &Particle\" pop-up");
    if (first < 0)
        return;
    for (int i = 0; i < kSelectPopups; ++i)
        trackmaker.EnableMenuItem(unsigned(first + i), MF_BYPOSITION | state);
}

}

// The menu half of the Trackmaker mode: on, the Trackmaker items work and the menus that act on
// chamber events cannot be opened (they still look as usual); off, the other way round.
void CMainFrame::SetTrackmakerMode(int on)
{
    CMenu* menu = GetMenu();
    CMenu* trackmaker = menu ? menu->GetSubMenu(res::kTrackmakerPopup) : nullptr;
    assert(trackmaker && "SetTrackmakerMode needs the frame's menu bar");
    if (menu && trackmaker) {
        const unsigned trackmakerItems = on ? MF_ENABLED : MF_GRAYED;
        menu->EnableMenuItem(cmd::kInjectParticle, MF_BYCOMMAND | trackmakerItems);
        menu->EnableMenuItem(cmd::kAdjustScreenSpeed, MF_BYCOMMAND | trackmakerItems);
        for (int position : kEventPopups)
            menu->EnableMenuItem(unsigned(position), MF_BYPOSITION | (on ? MF_DISABLED : MF_ENABLED));
        menu->SetMenuItemText(cmd::kTrackmakerActivate, on ? "D&eactivate" : "&Activate");
        SetSelectPopups(*trackmaker, trackmakerItems);
        const unsigned fileItems = on ? MF_GRAYED : MF_ENABLED;
        menu->EnableMenuItem(cmd::kOpenEventFile, MF_BYCOMMAND | fileItems);
        menu->EnableMenuItem(cmd::kSaveAs, MF_BYCOMMAND | (on || !session_.hasEvent ? MF_GRAYED : MF_ENABLED));
        menu->EnableMenuItem(cmd::kPrint, MF_BYCOMMAND | fileItems);
        menu->EnableMenuItem(cmd::kExportPicture, MF_BYCOMMAND | fileItems);
        DrawMenuBar();
    }
    session_.trackmakerActive = on != 0;
    if (TrackmakerView* view = GetTrackmakerView())
        view->running = 0;
}

TrackmakerView* CMainFrame::GetTrackmakerView() const
{
    return trackmakerWindow ? trackmakerWindow->GetView() : nullptr;
}

void CMainFrame::ToolWindowDestroyed(CWnd* window)
{
    session_.Forget(window);
    if (window == trackmakerWindow)
        trackmakerWindow = nullptr;
}

void CMainFrame::ToggleTrackmaker()
{
    if (!trackmakerWindow) {
        CreateTrackmakerWindow();
        return;
    }
    if (session_.trackmakerActive) {
        SetTrackmakerMode(0);
        HideTrackmakerWindow();
    } else {
        ShowOnTop(trackmakerWindow);
        SetTrackmakerMode(1);
    }
    BringFrameToTop();
}

void CMainFrame::HideTrackmakerWindow()
{
    trackmakerWindow->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_HIDEWINDOW);
    ToolWindowClosed(trackmakerWindow, ClosedWindowPlace::BackOfList);
    trackmakerWindow->CloseSpeedDialog();
}

void CMainFrame::CreateTrackmakerWindow()
{
    if (toolWindowClass.empty())
        toolWindowClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, CursorShape::Arrow);
    // A new Trackmaker view starts from the screen factor of 2V.
    session_.screenFactorBase = Session::kStartScreenFactor;
    auto* window = new CTrackmakerWindow(*this);
    if (!window->Create(toolWindowClass, "Trackmaker", kToolWindowStyle, CFrameWnd::rectDefault, this)) {
        delete window;
        return;
    }
    trackmakerWindow = window;
    res::ApplyProgramIcon(*trackmakerWindow);
    trackmakerWindow->CreateView();
    PlaceHidden(trackmakerWindow, session_.largeScreen ? placement::kTrackmakerLarge : placement::kTrackmakerNormal);
    trackmakerWindow->UpdateWindow();
    trackmakerWindow->ShowWindow(SW_SHOW);
    SetTrackmakerMode(1);
    BringFrameToTop();
}

// The flight counts as one of the frame's loops: a close request that arrives inside it waits
// until it has ended (see OnClose).
void CMainFrame::InjectParticle()
{
    TrackmakerView* view = GetTrackmakerView();
    if (!view)
        return;
    ShowOnTop(trackmakerWindow);
    ++flightLoops;
    view->Inject(session_.LeftToRight() ? 1 : 0);
    --flightLoops;
    CloseAfterLoops();
}

void CMainFrame::SelectParticle(int id)
{
    CheckRadio(ParticleCommand(), id);
    session_.particle = id == cmd::kElectron ? TrackmakerParticle::Electron : TrackmakerParticle::Positron;
    if (TrackmakerView* view = GetTrackmakerView())
        view->charge = session_.Charge();
}

void CMainFrame::SelectSpeed(int id)
{
    assert(id >= cmd::kSpeedV && id <= cmd::kSpeed3V && "SelectSpeed takes the id of a Select Speed item");
    if (id < cmd::kSpeedV || id > cmd::kSpeed3V)
        return;
    CheckRadio(SpeedCommand(), id);
    const double speed = session_.SelectSpeed(Speed(id - cmd::kSpeedV));
    if (TrackmakerView* view = GetTrackmakerView()) {
        view->speed = speed;
        view->screenFactor = session_.screenFactorBase;
    }
}

void CMainFrame::SelectDirection(int id)
{
    CheckRadio(DirectionCommand(), id);
    session_.direction = id == cmd::kLeftToRight ? Direction::LeftToRight : Direction::RightToLeft;
}
