#include "platform/App.h"

#include "platform/Wnd.h"
#include "platform/WndPrivate.h"

#include <QApplication>

#include <cassert>
#include <vector>

class AppPrivate {
public:
    // Qt keeps references to argc and argv for the life of its application object.
    int argc = 0;
    std::vector<std::string> arguments;
    std::vector<char*> argv;
    std::unique_ptr<QApplication> application;
};

namespace {

CWinApp* theApp = nullptr;

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

} // namespace

CWinApp::CWinApp(int argc, char** argv)
    : m_nCmdShow(SW_SHOWNORMAL), commandLine_(JoinArguments(argc, argv)), d_(std::make_unique<AppPrivate>())
{
    assert(theApp == nullptr && "only one CWinApp may exist at a time");
    theApp = this;
    if (QCoreApplication::instance() == nullptr) {
        d_->arguments.assign(argv, argv + argc);
        for (std::string& argument : d_->arguments)
            d_->argv.push_back(argument.data());
        d_->argv.push_back(nullptr);
        d_->argc = argc;
        d_->application = std::make_unique<QApplication>(d_->argc, d_->argv.data());
    }
    auto& hub = platform::detail::Hub::Instance();
    hub.quitPending = false;
    hub.quitCode = 0;
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
    if (!hub.quitPending)
        QApplication::exec();
    hub.quitPending = false;
    return ExitInstance();
}

int CWinApp::ExitInstance() { return platform::detail::Hub::Instance().quitCode; }

CWinApp* AfxGetApp() { return theApp; }

int AfxWinMain(CWinApp& app)
{
    if (!app.InitInstance())
        return app.ExitInstance();
    return app.Run();
}
