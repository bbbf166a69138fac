#include "shell/ChamberApp.h"

#include "platform/seams/MessageBox.h"
#include "platform/gfx/Screen.h"
#include "shell/CommandIds.h"
#include "shell/MainFrame.h"
#include "shell/Resources.h"

#include <cstdio>
#include <memory>

namespace {

// The frame: a title bar, a system menu and a minimise button; no sizing border, no maximise.
constexpr unsigned kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// Classifies the desktop by its height only. Returns false (after telling the user) when it is
// too small.
bool CheckScreenSize(Session& session)
{
    Rect desktop;
    CWnd::GetDesktopWindow()->GetWindowRect(&desktop);
    desktop.Normalize();
    const int height = desktop.Height();
    session.smallScreen = height < screen_check::kMinimumHeight;
    session.largeScreen = height >= screen_check::kLargeHeight;
    if (!session.smallScreen)
        return true;
    platform::ShowMessageBox(CWnd::GetDesktopWindow(),
                             "Sorry, Tracelume requires a 640X480 screen or bigger. Adjust resolution and try "
                             "again, if you can.",
                             "Screen dimensions too small.", MB_OK);
    return false;
}

bool CheckScreenColours()
{
    const ScreenFacts& screen = platform::CurrentScreen();
    if (screen.bitsPerPixel * screen.planes >= screen_check::kMinimumColourBits)
        return true;
    platform::ShowMessageBox(CWnd::GetDesktopWindow(),
                             "Sorry, Tracelume requires 256 or more colors. Adjust color setting and try again, "
                             "if you can.",
                             "Not enough screen colors.", MB_OK);
    return false;
}

}

CChamberApp::CChamberApp(int argc, char** argv) : CWinApp(argc, argv) {}

CMainFrame* CChamberApp::Frame() const { return dynamic_cast<CMainFrame*>(m_pMainWnd); }

int CChamberApp::ExitInstance() { return startFailure_ != 0 ? startFailure_ : CWinApp::ExitInstance(); }

// On a display that shows nothing, a message box would be black too: the reason goes to
// standard error and the program ends with a failure status.
bool CChamberApp::StartUp()
{
    if (!platform::CurrentScreen().paintable) {
        std::fprintf(stderr,
                     "tracelume: this display has %d bits per pixel, on which no window can be painted; "
                     "start the X server with 16 or more (for example Xvfb -screen 0 1024x768x24)\n",
                     platform::CurrentScreen().bitsPerPixel);
        startFailure_ = kUnpaintableDisplay;
        return false;
    }
    auto frame = std::make_unique<CMainFrame>(session_);
    if (!CheckScreenSize(session_) || !CheckScreenColours())
        return false;
    res::RegisterMainFrameResources();
    if (!frame->LoadFrame(res::kMainFrame, kFrameStyle))
        return false;
    CMainFrame* window = frame.release(); // the window owns the frame from now on
    m_pMainWnd = window;
    res::ApplyProgramIcon(*window);
    Rect desktop;
    CWnd::GetDesktopWindow()->GetWindowRect(&desktop);
    desktop.Normalize();
    window->MoveWindow(0, 0, desktop.Width(), placement::kFrameHeight, true);
    window->SelectDecay(cmd::kDecay1);
    window->SelectMonitor(cmd::kMonitorChamber);
    window->SetShowValues(1);
    window->ShowWindow(m_nCmdShow);
    window->UpdateWindow();
    return window->CreateToolWindows();
}
