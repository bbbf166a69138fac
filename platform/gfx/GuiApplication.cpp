#include "platform/gfx/GuiApplication.h"

#include <QApplication>
#include <QGuiApplication>

namespace platform {
namespace {

// Qt keeps references to argc and argv for the life of the application object.
int applicationArgc = 3;
char applicationName[] = "tracelume";
char platformOption[] = "-platform";
char platformName[] = "offscreen";
char* applicationArgv[] = {applicationName, platformOption, platformName, nullptr};

} // namespace

bool HasGuiApplication() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

bool EnsureGuiApplication(ApplicationKind kind)
{
    if (HasGuiApplication())
        return true;
    if (QCoreApplication::instance() != nullptr)
        return false;
    // The object is deliberately never deleted: it must outlive every window and font, and Qt's
    // own thread storage, which the static destructors at exit tear down in no fixed order.
    // Qt registers it as the instance, which stays reachable until the process ends.
    if (kind == ApplicationKind::Widgets)
        new QApplication(applicationArgc, applicationArgv);
    else
        new QGuiApplication(applicationArgc, applicationArgv);
    return true;
}

} // namespace platform
