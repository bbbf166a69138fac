#pragma once

// Internals of the window classes on Qt. Included by platform/*.cpp only.

#include "platform/window/qt/WindowPlacement.h"
#include "platform/window/qt/WindowPresenter.h"
#include "platform/window/qt/WindowTree.h"
#include "platform/window/Wnd.h"

#include <QEvent>
#include <QMenuBar>
#include <QObject>
#include <QPointer>
#include <QRegion>
#include <QWidget>

#include <cmath>
#include <string>

inline QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }
inline Rect FromQRect(const QRect& r) { return Rect::FromSize(r.x(), r.y(), r.width(), r.height()); }
// The picture pixel under a mouse position. On a screen that shows each picture pixel as a block
// of screen pixels, positions fall between whole picture pixels: every one inside a block is
// that block's pixel (rounding would give the right and lower halves to the next one).
inline Point PicturePixel(const QPointF& p) { return {int(std::floor(p.x())), int(std::floor(p.y()))}; }

struct WindowClassInfo {
    unsigned style = 0;
    CursorShape cursor = CursorShape::Arrow;
    bool hasBackground = false;
    Colour background;
};
WindowClassInfo FindWindowClass(const std::string& name);

class ClientWidget;

// A message posted to one of our windows (PostMessage, menu choices).
class PostedMessageEvent : public QEvent {
public:
    static QEvent::Type EventType();
    PostedMessageEvent(unsigned message, uintptr_t wParam, intptr_t lParam)
        : QEvent(EventType()), message(message), wParam(wParam), lParam(lParam)
    {
    }
    PostedMessageEvent* clone() const override { return new PostedMessageEvent(*this); }
    unsigned message;
    uintptr_t wParam;
    intptr_t lParam;
};

// The window core of one CWnd: what it is (class, style, id, title, cursor), its widgets, and
// the parts that do the work, each with one job: its family (WindowTree), where it is and how
// its widgets are laid out (WindowPlacement), and its painting (WindowPresenter). What a
// subclass adds (a frame's menu bar and pane, a scroll view's bars) is reached through CWnd's
// hooks.
class WndPrivate {
public:
    explicit WndPrivate(CWnd* q) : q(q), tree_(q), placement_(*this), presenter_(*this) {}

    static WndPrivate* Of(const CWnd* window) { return window ? window->Private() : nullptr; }
    // Our window that a widget belongs to (its nearest ancestor with a window), or null.
    static CWnd* FromWidget(const QObject* object);

    bool Exists() const { return !outer_.isNull() && !destroying_; }
    bool IsTopLevel() const { return (style_ & WS_CHILD) == 0; }
    WndPrivate* Top();
    const WndPrivate* Top() const;
    ClientWidget* TopClient() const { return Top()->Client(); }

    bool CreateWindow(const CreateStruct& create, unsigned exStyle);
    // Destroys dependents and widgets; notify: send OnDestroy and PostNcDestroy (which may
    // delete q and this).
    void DestroyWindow(bool notify);

    void Show(bool show, bool activate);
    void Minimize();
    void Raise();
    // A top-level: shown. A child: shown inside a shown top-level.
    bool IsVisible() const;
    void SetIcon(const PixelImage& icon);
    void RedrawMenuBar();
    // Queues a message for the window (PostMessage).
    void Post(unsigned message, uintptr_t wParam, intptr_t lParam);
    void SetTitle(const std::string& text);
    const std::string& Title() const { return title_; }
    void SetCursor(CursorShape cursor);
    CursorShape Cursor() const { return cursor_; }

    // The widgets: the outer widget (a top-level's Qt window, a scroll view's frame, else the
    // client widget itself), the client widget, and a frame's menu bar.
    QWidget* Outer() const { return outer_.data(); }
    ClientWidget* Client() const { return client_.data(); }
    QMenuBar* MenuBar() const { return menuBar_.data(); }
    // Puts bar in place of the frame's menu bar (null: none) and lays the window out again.
    void SetMenuBar(QMenuBar* bar);

    const WindowClassInfo& Class() const { return cls_; }
    unsigned Style() const { return style_; }
    int Id() const { return id_; }
    // The scroll position of this window's parent (children move with it), or (0, 0).
    Point ParentScrollPosition() const;

    WindowTree& Tree() { return tree_; }
    const WindowTree& Tree() const { return tree_; }
    WindowPlacement& Placement() { return placement_; }
    const WindowPlacement& Placement() const { return placement_; }
    WindowPresenter& Presenter() { return presenter_; }
    const WindowPresenter& Presenter() const { return presenter_; }

    CWnd* const q;

private:
    void CreateTopLevelWidgets();
    void CreateChildWidgets();
    void ReleaseWidgets();
    void ApplyCursor();
    CWnd* VisibleOwner() const;

    WindowClassInfo cls_;
    std::string className_;
    unsigned style_ = 0;
    int id_ = 0;
    std::string title_;
    CursorShape cursor_ = CursorShape::Arrow;
    QPointer<QWidget> outer_;
    QPointer<ClientWidget> client_;
    QPointer<QMenuBar> menuBar_;
    bool destroying_ = false;

    WindowTree tree_;
    WindowPlacement placement_;
    WindowPresenter presenter_;
};

// The link from one of our widgets back to the window object it shows. Destroying the window
// object detaches it, so that late Qt events reach no one.
class OwnedWidget {
public:
    CWnd* Owner() const { return owner_; }
    void Detach() { owner_ = nullptr; }

protected:
    explicit OwnedWidget(CWnd* owner) : owner_(owner) {}
    CWnd* owner_;
};

// The client area of one of our windows: paints from the top-level image and delivers the mouse.
class ClientWidget : public QWidget, public OwnedWidget {
public:
    ClientWidget(CWnd* owner, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
};

// The outer widget of a top-level window (caption and borders come from the window manager).
class TopLevelWidget : public QWidget, public OwnedWidget {
public:
    explicit TopLevelWidget(CWnd* owner);

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
};

// The outer widget of a child window that has more than a client area (a scroll view).
class ChildFrameWidget : public QWidget, public OwnedWidget {
public:
    ChildFrameWidget(CWnd* owner, QWidget* parent);

protected:
    bool event(QEvent* event) override;
};

// Handles posted messages for any of our outer widgets.
bool HandlePostedMessage(CWnd* window, QEvent* event);
