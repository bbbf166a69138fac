#include "platform/window/qt/Hub.h"
#include "platform/window/qt/WndPrivate.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>

#include <map>

// The Qt widgets behind our windows, and the window classes.

namespace {

using platform::detail::Hub;

std::map<std::string, WindowClassInfo>& WindowClasses()
{
    static std::map<std::string, WindowClassInfo> classes;
    return classes;
}

unsigned MouseFlags(const QMouseEvent* event)
{
    unsigned flags = 0;
    if (event->buttons() & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (event->buttons() & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (event->modifiers() & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (event->modifiers() & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}

// Mouse messages go to the capture window when there is one, in its client coordinates.
CWnd* MouseTarget(ClientWidget* widget, const QMouseEvent* event, Point* point)
{
    CWnd* target = Hub::Instance().Capture();
    WndPrivate* d = WndPrivate::Of(target);
    if (target == nullptr || d == nullptr || !d->Exists() || target == widget->Owner()) {
        *point = PicturePixel(event->position());
        return widget->Owner();
    }
    *point = PicturePixel(d->Client()->mapFromGlobal(widget->mapToGlobal(event->position())));
    return target;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Window classes.

std::string AfxRegisterWndClass(unsigned classStyle, CursorShape cursor, const Colour* background)
{
    WindowClassInfo info{classStyle, cursor, background != nullptr, background ? *background : Colour{}};
    std::string name = "TracelumeClass:" + std::to_string(classStyle) + ":" + std::to_string(int(cursor));
    if (background)
        name += ":" + std::to_string(ToPixel(*background));
    WindowClasses()[name] = info;
    return name;
}

WindowClassInfo FindWindowClass(const std::string& name)
{
    const auto found = WindowClasses().find(name);
    return found == WindowClasses().end() ? WindowClassInfo{} : found->second;
}

QEvent::Type PostedMessageEvent::EventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

bool HandlePostedMessage(CWnd* window, QEvent* event)
{
    if (event->type() != PostedMessageEvent::EventType())
        return false;
    auto* posted = static_cast<PostedMessageEvent*>(event);
    if (window != nullptr)
        window->SendMessage(posted->message, posted->wParam, posted->lParam);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Widgets.

ClientWidget::ClientWidget(CWnd* owner, QWidget* parent) : QWidget(parent), OwnedWidget(owner)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
}

void ClientWidget::paintEvent(QPaintEvent* event)
{
    if (WndPrivate* d = WndPrivate::Of(owner_); d && d->Exists())
        d->Presenter().PaintFromQt(this, event->region());
}

void ClientWidget::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (owner_ == nullptr || event->button() != Qt::LeftButton)
        return;
    Point point;
    MouseTarget(this, event, &point)->OnLButtonDown(MouseFlags(event), point);
}

void ClientWidget::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (owner_ == nullptr)
        return;
    Point point;
    MouseTarget(this, event, &point)->OnMouseMove(MouseFlags(event), point);
}

void ClientWidget::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (owner_ == nullptr || event->button() != Qt::LeftButton)
        return;
    Point point;
    MouseTarget(this, event, &point)->OnLButtonUp(MouseFlags(event), point);
}

// Keys stop at our widgets: they reach the program through the accelerators only, and a key
// passed on to a parent would be offered twice.
void ClientWidget::keyPressEvent(QKeyEvent* event) { event->accept(); }

void ClientWidget::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (WndPrivate* d = WndPrivate::Of(owner_); d && d->Exists())
        owner_->OnSetFocus();
}

void ClientWidget::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (WndPrivate* d = WndPrivate::Of(owner_); d && d->Exists())
        owner_->OnKillFocus();
}

bool ClientWidget::event(QEvent* event)
{
    if (HandlePostedMessage(owner_, event))
        return true;
    return QWidget::event(event);
}

TopLevelWidget::TopLevelWidget(CWnd* owner) : QWidget(nullptr), OwnedWidget(owner)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_QuitOnClose, false);
}

void TopLevelWidget::closeEvent(QCloseEvent* event)
{
    // Closing is the window's decision: OnClose hides or destroys it.
    event->ignore();
    if (WndPrivate* d = WndPrivate::Of(owner_); d && d->Exists())
        owner_->OnClose();
}

void TopLevelWidget::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (WndPrivate* d = WndPrivate::Of(owner_); d && d->Exists())
        d->Placement().SyncFromQt();
}

void TopLevelWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (WndPrivate* d = WndPrivate::Of(owner_); d && d->Exists())
        d->Placement().SyncFromQt();
}

void TopLevelWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && owner_ != nullptr)
        Hub::Instance().Activation().QtActivated(owner_);
}

void TopLevelWidget::keyPressEvent(QKeyEvent* event) { event->accept(); }

bool TopLevelWidget::event(QEvent* event)
{
    if (HandlePostedMessage(owner_, event))
        return true;
    return QWidget::event(event);
}

ChildFrameWidget::ChildFrameWidget(CWnd* owner, QWidget* parent) : QWidget(parent), OwnedWidget(owner)
{
    setAttribute(Qt::WA_NoSystemBackground);
}

bool ChildFrameWidget::event(QEvent* event)
{
    if (HandlePostedMessage(owner_, event))
        return true;
    return QWidget::event(event);
}

