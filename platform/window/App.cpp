#include "platform/window/App.h"

#include "platform/window/Wnd.h"
#include "platform/window/qt/Hub.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>

#include <cassert>
#include <vector>

class AppPrivate {};

namespace {

CWinApp* theApp = nullptr;

// A standard icon that is read from its files only when it is first drawn or measured. The menu
// bar asks for its overflow icon when it is made, and reading that icon's file loads every image
// format plugin, which costs more at start-up than anything else the menu bar does.
class DeferredStandardIcon : public QIconEngine {
public:
    DeferredStandardIcon(QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Loaded().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Loaded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return Loaded().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Loaded().availableSizes(mode, state);
    }
    bool isNull() override { return loaded_ ? icon_.isNull() : false; }
    QIconEngine* clone() const override { return new DeferredStandardIcon(*this); }

private:
    const QIcon& Loaded()
    {
        if (!loaded_ && style_)
            icon_ = style_->standardIcon(which_);
        loaded_ = true;
        return icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    QIcon icon_;
    bool loaded_ = false;
};

// The platform's own style, with the menu bar's overflow icon read when it is first needed.
class ProgramStyle : public QProxyStyle {
public:
    explicit ProgramStyle(const QString& key) : QProxyStyle(key) {}

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override
    {
        if (which == SP_ToolBarHorizontalExtensionButton && option == nullptr)
            return QIcon(new DeferredStandardIcon(baseStyle(), which));
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

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
    // The pictures are pixel art: a high-resolution screen shows each picture pixel as a whole
    // block of screen pixels, so its scale factor is rounded to the nearest whole number.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::RoundPreferFloor);
    new QApplication(kept->argc, kept->argv.data());
    QApplication::setStyle(new ProgramStyle(QApplication::style()->name()));
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

void EndWindowSystem()
{
    assert(theApp == nullptr && "EndWindowSystem goes after the application object");
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr)
        return;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete application;
}

int AfxWinMain(CWinApp& app)
{
    if (!app.InitInstance())
        return app.ExitInstance();
    return app.Run();
}
