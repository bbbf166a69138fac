#include "platform/window/App.h"

#include "platform/window/Wnd.h"
#include "platform/window/Hub.h"

#include <QApplication>

#include <cassert>
#include <vector>

class AppPrivate {};

namespace {

CWinApp* theApp = nullptr;

// The Qt application made by the first CWinApp, with the arguments it keeps references to. It is
// deliberately never deleted: the message hub filters its events for the rest of the process, so
// a later CWinApp (tests make one after another) must find the same application object.
struct QtApplication {
    int argc = 0;
    std::vector<std::string> arguments;
    std::vector<char*> argv;
};

void MakeQtApplication(int argc, char** argv)
{
    auto* kept = new QtApplication;
    kept->arguments.assign(argv, argv + argc);
    for (std::string& argument : kept->arguments)
        kept->argv.push_back(argument.data());
    kept->argv.push_back(nullptr);
    kept->argc = argc;
    new QApplication(kept->argc, kept->argv.data());
}

} // namespace

std::string JoinArguments(int argc, char** argv)
{
    std::string joined;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            joined += ' ';
        joined += argv[i];
    }
    return joined;
}

CWinApp::CWinApp(int argc, char** argv)
    : m_nCmdShow(SW_SHOWNORMAL), commandLine_(JoinArguments(argc, argv)), d_(std::make_unique<AppPrivate>())
{
    assert(theApp == nullptr && "only one CWinApp may exist at a time");
    theApp = this;
    if (QCoreApplication::instance() == nullptr)
        MakeQtApplication(argc, argv);
    platform::detail::Hub::Instance().ResetQuit();
}

CWinApp::~CWinApp()
{
    if (theApp == this)
        theApp = nullptr;
}

bool CWinApp::InitInstance() { return true; }

int CWinApp::Run()
{
    auto& hub = platform::detail::Hub::Instance();
    if (!hub.QuitPending())
        QApplication::exec();
    hub.AcknowledgeQuit();
    return ExitInstance();
}

int CWinApp::ExitInstance() { return platform::detail::Hub::Instance().QuitCode(); }

CWinApp* AfxGetApp() { return theApp; }

int AfxWinMain(CWinApp& app)
{
    if (!app.InitInstance())
        return app.ExitInstance();
    return app.Run();
}
