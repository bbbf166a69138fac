#include "shell/MainFrame.h"

#include "controls/ChamberControlWindow.h"
#include "display/ChamberPicture.h"
#include "display/ProjectorWindow.h"
#include "display/ScreenChamberWindow.h"
#include "physics/ChamberEvent.h"
#include "platform/window/App.h"
#include "platform/seams/Clock.h"
#include "platform/seams/FileSearch.h"
#include "platform/seams/MessageBox.h"
#include "platform/gfx/Screen.h"
#include "shell/CommandIds.h"
#include "shell/Resources.h"
#include "shell/StartupReport.h"

#include <cassert>

namespace {

// The first frame of a rotation turns by 3.14 / 180 radians.
constexpr double kStartRotationStep = 0.017444444444444446;
constexpr uint32_t kSplashMilliseconds = 3000;

constexpr unsigned kSplashStyle = WS_OVERLAPPED | WS_CAPTION;

}

CMainFrame::CMainFrame(Session& session) : session_(session)
{
    session_.perfFrequency = double(platform::QueryPerformanceFrequency());
    session_.defaultRotationRate = kStartRotationRate;
    session_.rotationRate = kStartRotationRate;
    session_.reverseRotation = false;
}

CMainFrame::~CMainFrame() = default;

// The tool windows go before the frame; nothing may keep pointing at them afterwards.
void CMainFrame::OnDestroy()
{
    session_.activationList.Clear();
    session_.activeToolWindow = nullptr;
    CFrameWnd::OnDestroy();
}

CWnd* CMainFrame::ChamberWnd() const { return chamberWindow; }

Placement CMainFrame::ChamberPlacement() const
{
    return session_.largeScreen ? placement::kChamberLarge : placement::kChamberNormal;
}

Placement CMainFrame::ProjectorPlacement() const
{
    return session_.largeScreen ? placement::kProjectorLarge : placement::kProjectorNormal;
}

bool CMainFrame::CreateToolWindows()
{
    const CWinApp* app = AfxGetApp();
    startupOptions = ParseStartupOptions(app ? app->CommandLine() : std::string(), [](const std::string& name) {
        return platform::FindFirstFile(name).has_value();
    });
    session_.SeedRandomSource(startupOptions.seed.value_or(uint32_t(platform::CalendarTime())));
    session_.firstPlay = true;
    pictureClass = AfxRegisterWndClass(0, CursorShape::Arrow);
    ShowSplash();
    session_.camera = ScreenCamera::ForChamber();
    WaitForSplash();
    CloseSplash();
    m_bAutoMenuEnable = false;
    session_.StartSelections();
    session_.StartConditions();
    toolWindowClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, CursorShape::Arrow);
    CreateChamberWindow();
    CreateControlsWindow();
    CreateProjectorWindow();
    trackmakerWindow = nullptr;
    SetTrackmakerMode(0);
    PlaceHidden(ChamberWnd(), ChamberPlacement());
    OpenCommandLineFile();
    if (CWnd* chamber = ChamberWnd()) {
        chamber->ShowWindow(SW_SHOW);
        chamber->UpdateWindow();
        ReportFirstChamberPaint();
    }
    SelectAxis(cmd::kAxisX);
    UpdateStatusLine();
    BringFrameToTop();
    if (startupOptions.askLessonSeed)
        PostCommand(cmd::kLessonSeed);
    return true;
}

void CMainFrame::ShowSplash()
{
    aboutWindow = std::make_unique<CShowWindow>(*this, res::kAboutBitmap);
    if (!aboutWindow->CreateEx(0, pictureClass, "", kSplashStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, this)) {
        aboutWindow.reset();
        return;
    }
    res::ApplyProgramIcon(*aboutWindow);
    aboutWindow->SizeToBitmap();
    aboutWindow->CenterWindow();
    aboutWindow->ShowWindow(SW_SHOW);
    aboutWindow->UpdateWindow();
}

// A busy wait on the tick counter that handles no messages: the splash stays as painted. The
// unsigned difference stays right when the counter wraps.
void CMainFrame::WaitForSplash() const
{
    const uint32_t startTicks = platform::GetTickCount();
    while (platform::GetTickCount() - startTicks < kSplashMilliseconds) {
    }
}

void CMainFrame::CloseSplash()
{
    aboutWindow.reset();
    energyWindow.reset();
    toolsWindow.reset();
    realLifeWindow.reset();
    motionWindow.reset();
}

void CMainFrame::CreateChamberWindow()
{
    auto* window = new CScreenChamberWindow(*this);
    if (!window->Create(toolWindowClass, "Particle Chamber: Empty", kToolWindowStyle, CFrameWnd::rectDefault, this)) {
        delete window;
        return;
    }
    chamberWindow = window;
    res::ApplyProgramIcon(*chamberWindow);
    chamberWindow->CreateView(kChamberBoxSize, session_.camera);
    session_.rotationStep = kStartRotationStep;
    session_.activationList.PushFront(chamberWindow);
}

void CMainFrame::CreateControlsWindow()
{
    auto* window = new CChamberControlWindow(*this);
    if (!window->Create(toolWindowClass, "Chamber Controls", kToolWindowStyle, CFrameWnd::rectDefault, this)) {
        delete window;
        controlsWindow = nullptr;
        return;
    }
    controlsWindow = window;
    res::ApplyProgramIcon(*controlsWindow);
    controlsWindow->SetHolder(session_.pendingConditions);
    controlsWindow->CreateView();
    PlaceHidden(controlsWindow, placement::kControls);
    controlsWindow->UpdateWindow();
}

void CMainFrame::CreateProjectorWindow()
{
    auto* window = new CProjectorWindow(*this);
    if (!window->Create(toolWindowClass, "Projector: Empty", kToolWindowStyle, CFrameWnd::rectDefault, this)) {
        delete window;
        projectorWindow = nullptr;
        return;
    }
    projectorWindow = window;
    res::ApplyProgramIcon(*projectorWindow);
    projectorWindow->SetConditions(&session_.conditions);
    projectorWindow->CreateView();
    PlaceHidden(projectorWindow, ProjectorPlacement());
    projectorWindow->UpdateWindow();
}

// Places a tool window hidden, with its position and size in one operation.
void CMainFrame::PlaceHidden(CWnd* window, const Placement& where)
{
    if (!window)
        return;
    window->SetWindowPos(nullptr, where.x, where.y, where.width, where.height,
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
}

// The command line (after a leading --seed N) names an event file; it is searched for as it is,
// quotes included.
void CMainFrame::OpenCommandLineFile()
{
    if (startupOptions.fileName.empty())
        return;
    const auto path = platform::FindFirstFile(startupOptions.fileName);
    if (!path) {
        platform::ShowMessageBox(CWnd::GetDesktopWindow(),
                                 "Try opening file with Open under File menu.\n\nNot found: " +
                                     startupOptions.fileName,
                                 "Problem Opening File from Desktop", MB_OK);
        session_.fromCommandLine = false;
        return;
    }
    session_.fromCommandLine = true;
    ReadEventFile(*path);
}

void CMainFrame::ActivateToolWindow(CWnd* window)
{
    assert(window && "ActivateToolWindow needs a window: pass the window that became active");
    if (!window)
        return;
    session_.Activate(window);
    const bool printable = window == ChamberWnd() || window == projectorWindow;
    if (CMenu* menu = GetMenu()) {
        menu->EnableMenuItem(cmd::kPrint, MF_BYCOMMAND | (printable ? MF_ENABLED : MF_GRAYED));
        menu->EnableMenuItem(cmd::kExportPicture, MF_BYCOMMAND | (printable ? MF_ENABLED : MF_GRAYED));
    }
}

void CMainFrame::ToolWindowClosed(CWnd* window, ClosedWindowPlace place)
{
    if (CWnd* next = session_.WindowClosed(window, place))
        ActivateToolWindow(next);
}

void CMainFrame::BringFrameToTop()
{
    SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

void CMainFrame::SetEventTitle(const std::string& name)
{
    if (CWnd* chamber = ChamberWnd())
        chamber->SetWindowText("Particle Chamber: " + name);
    if (projectorWindow)
        projectorWindow->SetWindowText("Projector: " + name);
}
