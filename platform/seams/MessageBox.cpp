#include "platform/seams/MessageBox.h"

#include "platform/window/Wnd.h"
#include "platform/window/qt/Hub.h"
#include "platform/window/qt/WndPrivate.h"
#include "platform/window/qt/QtModalDialog.h"

#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>

namespace {

MessageBoxHandler& Handler()
{
    static MessageBoxHandler handler;
    return handler;
}

int ShowRealMessageBox(const MessageBoxRequest& request)
{
    platform::detail::Hub::Instance();
    if (QGuiApplication::platformName() == "offscreen") {
        // Nobody can see or answer a box on the offscreen platform: say it, and answer OK.
        std::fprintf(stderr, "Message box \"%s\": %s\n", request.caption.c_str(), request.text.c_str());
        return (request.type & MB_YESNO) == MB_YESNO ? IDNO : IDOK;
    }
    QWidget* parent = nullptr;
    if (!request.OwnedByDesktop() && request.owner->IsWindow())
        parent = request.owner->GetTopLevelParent()->Private()->Outer();
    const QMessageBox::Icon icon =
        (request.type & MB_ICONEXCLAMATION) == MB_ICONEXCLAMATION ? QMessageBox::Warning : QMessageBox::NoIcon;
    const bool yesNo = (request.type & MB_YESNO) == MB_YESNO;
    QMessageBox box(icon, QString::fromStdString(request.caption), QString::fromStdString(request.text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    if (yesNo)
        box.setDefaultButton(QMessageBox::No);
    const int pressed = platform::detail::RunQtModalDialog(box);
    return yesNo ? (pressed == QMessageBox::Yes ? IDYES : IDNO) : IDOK;
}

} // namespace

bool MessageBoxRequest::OwnedByDesktop() const { return owner == nullptr || owner == CWnd::GetDesktopWindow(); }

namespace platform {

int ShowMessageBox(const CWnd* owner, const std::string& text, const std::string& caption, unsigned type)
{
    const MessageBoxRequest request{owner, text, caption, type};
    if (Handler())
        return Handler()(request);
    return ShowRealMessageBox(request);
}

void SetMessageBoxHandler(MessageBoxHandler handler) { Handler() = std::move(handler); }

} // namespace platform
