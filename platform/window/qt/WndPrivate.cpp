#include "platform/window/qt/WndPrivate.h"

#include "platform/window/App.h"
#include "platform/window/qt/Hub.h"
#include "platform/window/qt/ScrollViewBars.h"
#include "platform/window/qt/WindowManagerHints.h"

#include <QCoreApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QWindow>

#include <cassert>

// How our windows live on Qt widgets: creation, destruction, showing; the parts do the rest.

namespace {

using platform::detail::Hub;

Qt::CursorShape ToQtCursor(CursorShape cursor)
{
    switch (cursor) {
    case CursorShape::Cross:
        return Qt::CrossCursor;
    case CursorShape::SizeAll:
        return Qt::SizeAllCursor;
    case CursorShape::Arrow:
        break;
    }
    return Qt::ArrowCursor;
}

// An owned window with neither a minimise nor a maximise button: a tool window. Owned windows are
// transient for their owner: window systems keep them above it and minimise them with it.
bool IsToolWindow(unsigned style, bool owned) { return owned && (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0; }

Qt::WindowFlags TopLevelFlags(unsigned style, bool owned)
{
    const bool caption = (style & WS_CAPTION) != 0 || (style & WS_POPUP) == 0; // overlapped windows always have one
    const bool tool = IsToolWindow(style, owned);
    Qt::WindowFlags flags = (tool ? Qt::Tool : owned ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint;
    if (!caption)
        return flags | Qt::FramelessWindowHint;
    flags |= Qt::WindowTitleHint;
    if (style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & WS_MINIMIZEBOX)
        flags |= Qt::WindowMinimizeButtonHint;
    if (style & WS_MAXIMIZEBOX)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

} // namespace

CWnd* WndPrivate::FromWidget(const QObject* object)
{
    for (; object != nullptr; object = object->parent())
        if (auto* widget = dynamic_cast<const OwnedWidget*>(object))
            return widget->Owner();
    return nullptr;
}

WndPrivate* WndPrivate::Top()
{
    WndPrivate* d = this;
    while (!d->IsTopLevel() && d->tree_.Parent() != nullptr)
        d = Of(d->tree_.Parent());
    return d;
}

const WndPrivate* WndPrivate::Top() const { return const_cast<WndPrivate*>(this)->Top(); }

Point WndPrivate::ParentScrollPosition() const
{
    CWnd* parent = tree_.Parent();
    ScrollViewBars* bars = parent ? parent->ScrollBarsPart() : nullptr;
    return bars ? bars->Position() : Point{};
}

bool WndPrivate::CreateWindow(const CreateStruct& create, unsigned)
{
    Hub::Instance();
    cls_ = FindWindowClass(create.className);
    className_ = create.className;
    style_ = create.style;
    id_ = create.id;
    title_ = create.title;
    cursor_ = cls_.cursor;
    tree_.Link(create.parent, IsTopLevel() ? WindowTree::Kind::TopLevel : WindowTree::Kind::Child);
    if (IsTopLevel())
        CreateTopLevelWidgets();
    else
        CreateChildWidgets();
    ApplyCursor();
    q->OnWidgetsCreated();

    placement_.PlaceAtCreation(create.rect);
    if (q->OnCreate(create) == -1) {
        // The caller keeps the object: no PostNcDestroy, which would delete frames and views.
        DestroyWindow(false);
        return false;
    }
    placement_.StartNotices();
    if (style_ & WS_VISIBLE)
        Show(true, true);
    if (!IsTopLevel())
        tree_.Parent()->OnChildCreated(q);
    return true;
}

// The window is never a Qt child of its owner; the owner's Qt window is its transient parent.
void WndPrivate::CreateTopLevelWidgets()
{
    WndPrivate* owner = Of(tree_.Parent());
    const bool owned = owner != nullptr && owner->Exists();
    auto* widget = new TopLevelWidget(q);
    outer_ = widget;
    widget->setWindowFlags(TopLevelFlags(style_, owned));
    widget->setWindowTitle(QString::fromStdString(title_));
    client_ = new ClientWidget(q, widget);
    presenter_.CreateImage();
    widget->createWinId();
    if (IsToolWindow(style_, owned))
        platform::detail::AskForToolWindowFrame(widget);
    if (owned) {
        QWidget* ownerWidget = owner->Top()->outer_;
        if (ownerWidget && ownerWidget->windowHandle() && widget->windowHandle())
            widget->windowHandle()->setTransientParent(ownerWidget->windowHandle());
    }
}

void WndPrivate::CreateChildWidgets()
{
    QWidget* parentWidget = Of(tree_.Parent())->client_;
    if (ScrollViewBars* bars = q->ScrollBarsPart()) {
        outer_ = new ChildFrameWidget(q, parentWidget);
        client_ = new ClientWidget(q, outer_);
        bars->Attach(outer_);
    } else {
        client_ = new ClientWidget(q, parentWidget);
        outer_ = client_.data();
    }
    outer_->hide();
}

void WndPrivate::DestroyWindow(bool notify)
{
    if (!Exists())
        return;
    destroying_ = true;
    Hub& hub = Hub::Instance();
    if (hub.Capture() == q)
        hub.SetCapture(nullptr);
    if (hub.Activation().Active() == q)
        hub.Activation().SetActive(VisibleOwner(), WA_ACTIVE);
    tree_.DestroyDependents();
    if (notify)
        q->OnDestroy();
    ReleaseWidgets();
    tree_.Unlink();
    hub.Forget(q);
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == q) {
        app->m_pMainWnd = nullptr;
        PostQuitMessage(0);
    }
    destroying_ = false;
    if (notify)
        q->PostNcDestroy(); // may delete q, and this with it
}

void WndPrivate::ReleaseWidgets()
{
    if (client_)
        client_->Detach();
    if (auto* widget = dynamic_cast<OwnedWidget*>(outer_.data()))
        widget->Detach();
    if (outer_) {
        outer_->hide();
        // Deleted later: we may be inside one of the widget's own event handlers.
        outer_->deleteLater();
    }
    outer_ = nullptr;
    client_ = nullptr;
    menuBar_ = nullptr;
    if (ScrollViewBars* bars = q->ScrollBarsPart())
        bars->Release();
    presenter_.Reset();
    placement_.Reset();
}

CWnd* WndPrivate::VisibleOwner() const
{
    if (!IsTopLevel() || tree_.Parent() == nullptr)
        return nullptr;
    CWnd* owner = Of(tree_.Parent())->Top()->q;
    return owner->IsWindowVisible() ? owner : nullptr;
}

void WndPrivate::Show(bool show, bool activate)
{
    if (!IsTopLevel()) {
        outer_->setVisible(show);
        return;
    }
    platform::detail::ActivationTracker& activation = Hub::Instance().Activation();
    if (!show) {
        outer_->hide();
        if (activation.Active() == q)
            activation.SetActive(VisibleOwner(), WA_ACTIVE);
        return;
    }
    if (outer_->isMinimized())
        outer_->setWindowState(outer_->windowState() & ~Qt::WindowMinimized);
    // Some platforms activate every window they show: that activation is the program's own,
    // whether it asks for one (it follows below) or not.
    activation.ExpectQtActivation(q);
    if (!activate)
        outer_->setAttribute(Qt::WA_ShowWithoutActivating, true);
    outer_->show();
    outer_->setAttribute(Qt::WA_ShowWithoutActivating, false);
    placement_.Layout();
    presenter_.Invalidate(QRegion(client_->rect()), true);
    if (presenter_.WaitUntilExposed())
        placement_.KeepPlacementAfterFrameAppeared();
    if (activate)
        activation.SetActive(q, WA_ACTIVE);
}

void WndPrivate::Minimize()
{
    if (IsTopLevel())
        outer_->showMinimized();
}

bool WndPrivate::IsVisible() const
{
    QWidget* top = Top()->Outer();
    return IsTopLevel() ? outer_->isVisible() : outer_->isVisibleTo(top) && top->isVisible();
}

void WndPrivate::SetIcon(const PixelImage& icon)
{
    const QImage image(reinterpret_cast<const uchar*>(icon.pixels.data()), icon.width, icon.height,
                       icon.width * int(sizeof(Pixel)), QImage::Format_RGB32);
    outer_->setWindowIcon(QIcon(QPixmap::fromImage(image.copy())));
}

void WndPrivate::RedrawMenuBar()
{
    if (menuBar_)
        menuBar_->update();
}

void WndPrivate::Post(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    QCoreApplication::postEvent(outer_.data(), new PostedMessageEvent(message, wParam, lParam));
}

void WndPrivate::Raise()
{
    if (IsTopLevel())
        outer_->raise();
}

void WndPrivate::SetTitle(const std::string& text)
{
    title_ = text;
    if (Exists() && IsTopLevel())
        outer_->setWindowTitle(QString::fromStdString(text));
}

void WndPrivate::SetCursor(CursorShape cursor)
{
    cursor_ = cursor;
    ApplyCursor();
}

void WndPrivate::ApplyCursor()
{
    if (client_)
        client_->setCursor(ToQtCursor(cursor_));
}

void WndPrivate::SetMenuBar(QMenuBar* bar)
{
    if (!outer_)
        return;
    if (menuBar_ && menuBar_ != bar)
        menuBar_->hide();
    menuBar_ = bar;
    if (bar) {
        bar->setParent(outer_);
        bar->show();
    }
    placement_.Layout();
}
