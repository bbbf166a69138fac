#pragma once

#include <memory>
#include <string>

class CWnd;
class AppPrivate;

// The application object. The program derives from it, constructs one with main's argc and
// argv, and calls AfxWinMain. The constructor creates the Qt application (or keeps one that
// exists already, as in tests); there is at most one CWinApp at a time.
class CWinApp {
public:
    CWinApp(int argc, char** argv);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Start-up, run once before the message loop. Returning false ends the program at once.
    // Default: true.
    virtual bool InitInstance();
    // The one message loop: handles messages until a quit request arrives (one that is already
    // waiting ends it at once), then returns ExitInstance().
    virtual int Run();
    // Default: the exit code of the quit request that ended the loop (0 before any).
    virtual int ExitInstance();

    // The program's arguments (without the program's name) joined by single spaces; quotes are
    // not removed. Empty without arguments.
    const std::string& CommandLine() const { return commandLine_; }
    // The show state the program was started with (SW_SHOWNORMAL).
    int m_nCmdShow;
    // The main window: destroying it posts a quit request, and its accelerator table serves all
    // of the program's windows. Set by the program.
    CWnd* m_pMainWnd = nullptr;

    AppPrivate* Private() const { return d_.get(); }

private:
    std::string commandLine_;
    std::unique_ptr<AppPrivate> d_;
};

// main's arguments after the program's name, joined by single spaces, quotes kept: the text
// CommandLine() gives.
std::string JoinArguments(int argc, char** argv);

// The application object, or null.
CWinApp* AfxGetApp();

// Runs the program: InitInstance, then Run when it succeeded, else ExitInstance. Returns the exit
// code.
int AfxWinMain(CWinApp& app);

// Ends the window system, once, after the program's application object is gone and before main
// returns: the windows still waiting to be deleted go, then the Qt application with its threads
// (the X connection's reader among them), so that nothing of Qt runs while the program's statics
// are destroyed. Nothing of the window system may be used afterwards.
void EndWindowSystem();
