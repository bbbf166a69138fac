#include "platform/GuiApplication.h"

#include <QApplication>
#include <QGuiApplication>

#include <memory>

namespace platform {
namespace {

// Qt keeps references to argc and argv for the life of the application object.
int applicationArgc = 3;
char applicationName[] = "tracelume";
char platformOption[] = "-platform";
char platformName[] = "offscreen";
char* applicationArgv[] = {applicationName, platformOption, platformName, nullptr};

std::unique_ptr<QGuiApplication>& OwnedApplication()
{
    static std::unique_ptr<QGuiApplication> application;
    return application;
}

} // namespace

bool HasGuiApplication() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

bool EnsureGuiApplication(ApplicationKind kind)
{
    if (HasGuiApplication())
        return true;
    if (QCoreApplication::instance() != nullptr)
        return false;
    if (kind == ApplicationKind::Widgets)
        OwnedApplication() = std::make_unique<QApplication>(applicationArgc, applicationArgv);
    else
        OwnedApplication() = std::make_unique<QGuiApplication>(applicationArgc, applicationArgv);
    return true;
}

} // namespace platform
