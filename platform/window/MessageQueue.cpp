#include "platform/window/MessageQueue.h"

#include "platform/window/App.h"
#include "platform/window/FrameWnd.h"
#include "platform/gfx/GuiApplication.h"
#include "platform/window/qt/Hub.h"
#include "platform/window/qt/WndPrivate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <cassert>

namespace platform::detail {

QuitEvent::QuitEvent(int code) : QEvent(QuitEventType()), code(code) {}

namespace {

bool IsOurTopLevel(const QWidget* widget)
{
    return widget != nullptr && dynamic_cast<const TopLevelWidget*>(widget->window()) != nullptr;
}

// The frame whose accelerators serve every window: the application's main window, else the
// frame the key was typed in.
CFrameWnd* AcceleratorFrame(QObject* receiver)
{
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd)
        if (CFrameWnd* frame = app->m_pMainWnd->AsFrame())
            return frame;
    CWnd* window = WndPrivate::FromWidget(receiver);
    return window ? window->GetTopLevelParent()->AsFrame() : nullptr;
}

Msg MakeMsg(MessageKind kind, CWnd* target = nullptr)
{
    Msg message;
    message.kind = kind;
    message.target = target;
    return message;
}

MessageKind MouseKind(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
        return MessageKind::LeftButtonDown;
    case QEvent::MouseButtonRelease:
        return MessageKind::LeftButtonUp;
    default:
        return MessageKind::MouseMove;
    }
}

// Return, Enter and Escape as the window system's key codes; other keys keep Qt's code.
int VirtualKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Tab:
        return VK_TAB;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    default:
        return qtKey;
    }
}

} // namespace

QEvent::Type QuitEventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

char AcceleratorKey(int qtKey)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return char('A' + (qtKey - Qt::Key_A));
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return char('0' + (qtKey - Qt::Key_0));
    return 0;
}

Hub& Hub::Instance()
{
    static Hub* hub = nullptr;
    if (hub == nullptr) {
        platform::EnsureGuiApplication(platform::ApplicationKind::Widgets);
        assert(qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr &&
               "windows need a widgets application: create CWinApp (or a Widgets one) before any window");
        hub = new Hub;
    }
    return *hub;
}

Hub::Hub()
{
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QCoreApplication::instance()->installEventFilter(this);
}

void Hub::Forget(CWnd* window)
{
    activation_.Forget(window);
    if (capture_ == window)
        capture_ = nullptr;
}

void Hub::PopPump(Pump* pump) { std::erase(pumps_, pump); }

bool Hub::Inspect(const Msg& message)
{
    if (pumps_.empty())
        return true;
    Pump* pump = pumps_.back();
    if (pump->stopped || pump->inspect == nullptr || !*pump->inspect)
        return true;
    const PumpAction action = (*pump->inspect)(message);
    if (action == PumpAction::StopPumping)
        pump->stopped = true;
    return action == PumpAction::Dispatch;
}

bool Hub::Holds(QEvent* event) const
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::Close:
        return !event->spontaneous();
    default:
        return event->type() == QuitEventType() || event->type() == PostedMessageEvent::EventType();
    }
}

void Hub::ReleaseHeld()
{
    holding_ = false;
    for (auto& [receiver, event] : std::exchange(held_, {})) {
        if (receiver)
            QCoreApplication::postEvent(receiver, event);
        else
            delete event;
    }
}

bool Hub::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (holding_ && Holds(event)) {
        held_.emplace_back(watched, event->clone());
        return true;
    }
    if (type == QuitEventType()) {
        Msg message = MakeMsg(MessageKind::Quit);
        message.exitCode = static_cast<QuitEvent*>(event)->code;
        return !Inspect(message);
    }
    if (type == PostedMessageEvent::EventType()) {
        auto* posted = static_cast<PostedMessageEvent*>(event);
        Msg message = MakeMsg(posted->message == WM_CLOSE ? MessageKind::Close : MessageKind::Command,
                    WndPrivate::FromWidget(watched));
        message.command = int(posted->wParam & 0xFFFF);
        return posted->message == WM_CLOSE || posted->message == WM_COMMAND ? !Inspect(message) : false;
    }
    switch (type) {
    case QEvent::Close:
        if (auto* top = dynamic_cast<TopLevelWidget*>(watched); top && top->Owner())
            return !Inspect(MakeMsg(MessageKind::Close, top->Owner()));
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        return FilterMouse(watched, event);
    case QEvent::KeyPress:
        return FilterKey(watched, event);
    default:
        return false;
    }
}

bool Hub::FilterMouse(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!IsOurTopLevel(widget))
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const bool leftPress = event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton;
    auto* client = dynamic_cast<ClientWidget*>(widget);
    if (client != nullptr && client->Owner() != nullptr) {
        const bool leftRelease = event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton;
        if (event->type() == QEvent::MouseMove || leftPress || leftRelease) {
            Msg message = MakeMsg(MouseKind(event->type()), client->Owner());
            message.point = PicturePixel(mouse->position());
            if (!Inspect(message))
                return true;
        }
    }
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    return activation_.MouseActivate(widget, leftPress);
}

// The focus window of the receiver's window (or, when none of it has had the focus, the
// receiver) and then its parents, up to its top-level window, until one takes the key. A window
// that did not take it is still there to ask its parent.
bool Hub::OfferToFocus(QWidget* receiver, int key)
{
    QWidget* focus = receiver->window()->focusWidget();
    for (CWnd* window = WndPrivate::FromWidget(focus ? focus : receiver); window != nullptr;) {
        if (window->OnKeyDown(key))
            return true;
        if ((window->GetStyle() & WS_CHILD) == 0)
            return false;
        window = window->GetParent();
    }
    return false;
}

bool Hub::FilterKey(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!IsOurTopLevel(widget))
        return false;
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const char key = AcceleratorKey(keyEvent->key());
    CWnd* target = WndPrivate::FromWidget(widget);
    Msg message = MakeMsg(MessageKind::KeyDown, target);
    message.key = key != 0 ? key : VirtualKey(keyEvent->key());
    message.control = (keyEvent->modifiers() & Qt::ControlModifier) != 0;
    if (!Inspect(message))
        return true;
    if (!message.control && target != nullptr && target->GetTopLevelParent()->PreTranslateKey(message.key))
        return true;
    if (!message.control)
        return OfferToFocus(widget, message.key);
    if (key == 0)
        return false;
    CFrameWnd* frame = AcceleratorFrame(watched);
    return frame != nullptr && frame->TranslateAccelerator(key);
}

bool Hub::event(QEvent* event)
{
    if (event->type() != QuitEventType())
        return QObject::event(event);
    quitPending_ = true;
    quitCode_ = static_cast<QuitEvent*>(event)->code;
    QCoreApplication::exit(quitCode_);
    return true;
}

} // namespace platform::detail

namespace platform {

bool PumpWaitingMessages(const MessageInspector& inspect)
{
    detail::Hub& hub = detail::Hub::Instance();
    detail::Hub::Pump pump{&inspect};
    hub.PushPump(&pump);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    hub.PopPump(&pump);
    return !pump.stopped;
}

bool WaitAndPumpMessages(const MessageInspector& inspect)
{
    detail::Hub& hub = detail::Hub::Instance();
    detail::Hub::Pump pump{&inspect};
    hub.PushPump(&pump);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    hub.PopPump(&pump);
    return !pump.stopped;
}

} // namespace platform

void PostQuitMessage(int exitCode)
{
    auto& hub = platform::detail::Hub::Instance();
    QCoreApplication::postEvent(&hub, new platform::detail::QuitEvent(exitCode));
}
