#include "platform/testing/InputSimulation.h"

#include "platform/window/FrameWnd.h"
#include "platform/window/qt/MenuPrivate.h"
#include "platform/window/qt/WndPrivate.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QImage>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QWindow>

#include <QPixmap>

#include <algorithm>
#include <functional>

namespace platform::simulate {
namespace {

WndPrivate* Existing(CWnd* window)
{
    WndPrivate* d = WndPrivate::Of(window);
    return d != nullptr && d->Exists() ? d : nullptr;
}

QMouseEvent* MakeMouse(WndPrivate* d, MouseAction action, QPointF local)
{
    const QPointF global = d->Client()->mapToGlobal(local);
    switch (action) {
    case MouseAction::Press:
        return new QMouseEvent(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    case MouseAction::Release:
        return new QMouseEvent(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    case MouseAction::Move:
        break;
    }
    return new QMouseEvent(QEvent::MouseMove, local, global, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
}

// The Qt key of a key code that is neither a letter nor a digit, or 0.
int QtKeyOf(char key)
{
    switch (key) {
    case VK_RETURN: return Qt::Key_Return;
    case VK_ESCAPE: return Qt::Key_Escape;
    case VK_TAB: return Qt::Key_Tab;
    case VK_PRIOR: return Qt::Key_PageUp;
    case VK_NEXT: return Qt::Key_PageDown;
    case VK_LEFT: return Qt::Key_Left;
    case VK_UP: return Qt::Key_Up;
    case VK_RIGHT: return Qt::Key_Right;
    case VK_DOWN: return Qt::Key_Down;
    default: return 0;
    }
}

QKeyEvent* MakeKey(char key, bool control)
{
    if (const int special = QtKeyOf(key))
        return new QKeyEvent(QEvent::KeyPress, special, Qt::NoModifier,
                             key == VK_RETURN || key == VK_ESCAPE || key == VK_TAB ? QString(QChar(key)) : QString());
    const int qtKey = key >= '0' && key <= '9' ? Qt::Key_0 + (key - '0') : Qt::Key_A + (key - 'A');
    return new QKeyEvent(QEvent::KeyPress, qtKey, control ? Qt::ControlModifier : Qt::NoModifier,
                         control ? QString() : QString(QChar(key)));
}

void Deliver(QObject* receiver, QEvent* event, bool post)
{
    if (post) {
        QCoreApplication::postEvent(receiver, event);
        return;
    }
    QCoreApplication::sendEvent(receiver, event);
    delete event;
}

void Mouse(CWnd* window, MouseAction action, Point client, bool post)
{
    if (WndPrivate* d = Existing(window))
        Deliver(d->Client(), MakeMouse(d, action, QPointF(client.x, client.y)), post);
}

PixelImage ToPixelImage(const QImage& picture)
{
    const QImage grabbed = picture.convertToFormat(QImage::Format_RGB32);
    PixelImage image(grabbed.width(), grabbed.height());
    for (int y = 0; y < grabbed.height(); ++y) {
        const auto* row = reinterpret_cast<const Pixel*>(grabbed.constScanLine(y));
        std::copy_n(row, grabbed.width(), image.Row(y));
    }
    return image;
}

// As typed: to an open pop-up menu, else to the widget of window's top-level window that has the
// focus there, else to the window's client.
void Key(CWnd* window, char key, bool control, bool post)
{
    WndPrivate* d = Existing(window);
    if (!d)
        return;
    QWidget* receiver = QApplication::activePopupWidget();
    if (receiver == nullptr)
        receiver = d->Client()->window()->focusWidget();
    Deliver(receiver ? receiver : d->Client(), MakeKey(key, control), post);
}

void CloseButton(CWnd* window, bool post)
{
    if (WndPrivate* d = Existing(window); d && d->IsTopLevel())
        Deliver(d->Outer(), new QCloseEvent, post);
}

} // namespace

void SendMouse(CWnd* window, MouseAction action, Point client) { Mouse(window, action, client, false); }

void SendMouseAtScreenPixel(CWnd* window, MouseAction action, Point screenPixel)
{
    WndPrivate* d = Existing(window);
    if (d == nullptr)
        return;
    const qreal scale = d->Client()->devicePixelRatioF();
    Deliver(d->Client(), MakeMouse(d, action, QPointF(screenPixel.x / scale, screenPixel.y / scale)), false);
}
void PostMouse(CWnd* window, MouseAction action, Point client) { Mouse(window, action, client, true); }
void SendKey(CWnd* window, char key, bool control) { Key(window, key, control, false); }
void PostKey(CWnd* window, char key, bool control) { Key(window, key, control, true); }
void SendCloseButton(CWnd* window) { CloseButton(window, false); }
void PostCloseButton(CWnd* window) { CloseButton(window, true); }

void UserResize(CWnd* window, int outerWidth, int outerHeight)
{
    WndPrivate* d = Existing(window);
    if (d == nullptr || !d->IsTopLevel())
        return;
    const QMargins m = d->Placement().FrameMargins();
    d->Outer()->resize(outerWidth - m.left() - m.right(), outerHeight - m.top() - m.bottom());
    ProcessEvents();
}

void UserMove(CWnd* window, int x, int y)
{
    WndPrivate* d = Existing(window);
    if (d == nullptr || !d->IsTopLevel())
        return;
    d->Outer()->move(x, y);
    ProcessEvents();
}

void UserActivate(CWnd* window)
{
    WndPrivate* d = Existing(window);
    if (d == nullptr || !d->IsTopLevel())
        return;
    d->Outer()->activateWindow();
    ProcessEvents();
}

void WindowManagerFrameAppears(CWnd* window, int left, int top, int right, int bottom)
{
    WndPrivate* d = Existing(window);
    if (d == nullptr || !d->IsTopLevel())
        return;
    d->Placement().AssumeFrameMargins(QMargins(left, top, right, bottom));
    QMoveEvent moved(d->Outer()->pos(), d->Outer()->pos());
    QCoreApplication::sendEvent(d->Outer(), &moved);
    ProcessEvents();
}

OuterSizeRange UserSizeRange(CWnd* window)
{
    WndPrivate* d = Existing(window);
    if (d == nullptr || !d->IsTopLevel())
        return {};
    const QMargins m = d->Placement().FrameMargins();
    const QSize frame(m.left() + m.right(), m.top() + m.bottom());
    const QSize smallest = d->Outer()->minimumSize() + frame;
    const QSize largest = d->Outer()->maximumSize() + frame;
    return {{smallest.width(), smallest.height()}, {largest.width(), largest.height()}};
}

CWnd* WindowManagerOwner(CWnd* window)
{
    WndPrivate* d = Existing(window);
    QWindow* handle = d && d->IsTopLevel() ? d->Outer()->windowHandle() : nullptr;
    if (handle == nullptr || handle->transientParent() == nullptr)
        return nullptr;
    // The kinds of window that Qt marks as transient for the window manager (X11's
    // WM_TRANSIENT_FOR); a plain window's transient parent stays inside Qt.
    switch (handle->type()) {
    case Qt::Dialog:
    case Qt::Sheet:
    case Qt::Tool:
    case Qt::SplashScreen:
    case Qt::Drawer:
        break;
    default:
        return nullptr;
    }
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->windowHandle() == handle->transientParent())
            return WndPrivate::FromWidget(widget);
    return nullptr;
}

bool ClickMenuBarItem(CWnd* frame, int position)
{
    WndPrivate* d = Existing(frame);
    if (d == nullptr || !d->MenuBar() || position < 0 || position >= d->MenuBar()->actions().size())
        return false;
    QMenuBar* bar = d->MenuBar();
    const QPoint centre = bar->actionGeometry(bar->actions().at(position)).center();
    const QPointF global = bar->mapToGlobal(QPointF(centre));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(centre), global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bar, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(centre), global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bar, &release);
    QWidget* popup = QApplication::activePopupWidget();
    if (popup == nullptr)
        return false;
    popup->close();
    ProcessEvents();
    return true;
}

bool SendAltKey(CWnd* frame, char letter)
{
    WndPrivate* d = Existing(frame);
    if (d == nullptr || !d->MenuBar())
        return false;
    const QChar typed = QChar(letter).toLower();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A + (typed.toUpper().unicode() - 'A'), Qt::AltModifier, QString(typed));
    QCoreApplication::sendEvent(d->MenuBar(), &key);
    ProcessEvents();
    return QApplication::activePopupWidget() != nullptr;
}

bool ChooseMenuItem(CWnd* frame, int id)
{
    CMenu* menu = frame ? frame->GetMenu() : nullptr;
    if (menu == nullptr)
        return false;
    MenuNode* node = menu->Private()->FindById(id);
    if (node == nullptr || !node->action)
        return false;
    node->action->trigger();
    return true;
}

PixelImage GrabMenuBar(CWnd* frame)
{
    WndPrivate* d = Existing(frame);
    if (d == nullptr || !d->MenuBar())
        return {};
    return ToPixelImage(d->MenuBar()->grab().toImage());
}

PixelImage GrabClient(CWnd* window)
{
    WndPrivate* d = Existing(window);
    return d == nullptr ? PixelImage{} : ToPixelImage(d->Client()->grab().toImage());
}

void ProcessEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace platform::simulate
