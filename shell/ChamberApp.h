#pragma once

#include "platform/window/App.h"
#include "shell/Session.h"

class CMainFrame;

// The application object: checks the screen, creates the main frame and lets it build the
// windows. It holds the session, the program's state, from before the frame to after it.
class CChamberApp : public CWinApp {
public:
    CChamberApp(int argc, char** argv);

    // The program's state.
    Session& State() { return session_; }
    // The main frame while its window exists, else null.
    CMainFrame* Frame() const;

    // The whole start-up, run once before the message loop. Returns false to end the program
    // at once (a screen that is too small or has too few colours).
    bool StartUp();

    bool InitInstance() override { return StartUp(); }
    // 1 after a start-up on a display that nothing can be painted on, else the usual code.
    int ExitInstance() override;

    // Exit status of a start-up that could not show anything.
    static constexpr int kUnpaintableDisplay = 1;

private:
    Session session_;
    int startFailure_ = 0;
};

// The screen the program needs: at least 480 pixels high and 256 colours.
namespace screen_check {
constexpr int kMinimumHeight = 480;
constexpr int kLargeHeight = 600;
constexpr int kMinimumColourBits = 8;
}
