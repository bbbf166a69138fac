#pragma once

// Internals of the window classes on Qt. Included by platform/*.cpp only.

#include "platform/window/MessageQueue.h"
#include "platform/window/Wnd.h"

#include <QEvent>
#include <QMenuBar>
#include <QObject>
#include <QPointer>
#include <QRegion>
#include <QScrollBar>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

inline QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }
inline Rect FromQRect(const QRect& r) { return Rect::FromSize(r.x(), r.y(), r.width(), r.height()); }

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

class WndPrivate {
public:
    explicit WndPrivate(CWnd* q) : q(q) {}

    static WndPrivate* Of(const CWnd* window) { return window ? window->Private() : nullptr; }
    // Our window that a widget belongs to (its nearest ancestor with a window), or null.
    static CWnd* FromWidget(const QObject* object);

    bool Exists() const { return !outer.isNull() && !destroying; }
    bool IsTopLevel() const { return (style & WS_CHILD) == 0; }
    WndPrivate* Top();
    ClientWidget* TopClient() { return Top()->client.data(); }

    bool CreateWindow(const CreateStruct& create, unsigned exStyle);
    // Destroys dependents and widgets; notify: send OnDestroy and PostNcDestroy (which may
    // delete q and this).
    void DestroyWindow(bool notify);

    // Placement: rect is outer (screen for top-levels, parent client coordinates for children).
    void Place(Rect rect, bool move, bool resize);
    Rect OuterRect() const;
    QMargins FrameMargins() const;
    int MenuBarHeight() const;
    // Positions the menu bar, scroll bars and client widget inside the outer widget, resizes
    // the top-level image and sends OnSize when the client size changed.
    void Layout();
    // Called by the outer widget when Qt (the user, the window manager) moved or resized it.
    void SyncFromQt();

    void Show(bool show, bool activate);
    void Raise();

    // Painting.
    void Invalidate(const QRegion& region, bool erase);
    void PaintFromQt(ClientWidget* widget, const QRegion& region);
    void PaintIntoImage(const QRegion& region);
    bool Mapped() const;
    void WaitUntilExposed();
    // Copies a part of the top-level image to the screen at once (top client coordinates).
    void Present(const Rect& topClientRect);
    // Repaints the visible child windows' parts of region (client coordinates of this window)
    // during a present and returns the part that no child covers, for this window to repaint.
    // Qt does not repaint a child that covers its parent when only the parent is repainted, and
    // every repaint sends its region to the screen, so each part is repainted exactly once, by
    // the window that shows it.
    QRegion RepaintChildrenForPresent(const QRegion& region);
    void ApplyCursor();
    static bool InPaint();

    // Scroll views.
    void SetScrollArea(Size total, Size page, Size line);
    void ScrollTo(Point position);
    Point ClampScroll(Point position) const;

    CWnd* q;
    WindowClassInfo cls;
    std::string className;
    unsigned style = 0;
    int id = 0;
    CWnd* parent = nullptr; // parent of a child, owner of a top-level
    std::vector<CWnd*> children;
    std::vector<CWnd*> owned;
    QPointer<QWidget> outer;
    QPointer<ClientWidget> client;
    QPointer<QMenuBar> menuBar;
    std::string title;
    CursorShape cursor = CursorShape::Arrow;
    Rect lastOuter;
    Rect requestedOuter;    // top-levels: the outer rectangle last asked for
    QMargins placedMargins; // top-levels: the window-manager frame that placement assumed
    Size lastClientSize{-1, -1};
    bool destroying = false;
    bool placing = false;    // our own geometry change runs: Qt's echoes are ignored
    bool noticesOn = false;  // OnCreate has run: size and position notices are sent
    bool updatingBars = false;
    // Frames: puts the menu bar in place once the widgets exist, before OnCreate.
    std::function<void()> attachMenu;

    // Top-levels: the client image (stable for the window's life, resized in place) and the state
    // of a present.
    std::shared_ptr<PixelImage> image;
    bool presenting = false;
    QRegion presentRegion; // top client coordinates
    QRegion deferred;      // top client coordinates: dirty parts that a present consumed

    // Marked for repainting (client coordinates) and whether to erase first.
    QRegion invalid;
    bool eraseRequested = false;
    Rect paintRect;

    // Scroll views.
    bool scrolling = false;
    QPointer<QScrollBar> hbar;
    QPointer<QScrollBar> vbar;
    Size total;
    Size page;
    Size line;
    Point scroll;

private:
    void CreateTopLevelWidgets();
    void CreateChildWidgets();
    void DestroyDependents();
    void ReleaseWidgets();
    void Unlink();
    CWnd* VisibleOwner() const;
    void PlaceTopLevel(Rect rect, bool resize);
    void ApplyUserLimits(const MinMaxInfo& limits);
    void PlaceChild(Rect rect);
    void NotifyPositionChanged();
    void LayoutTopLevel();
    void LayoutScrollBars();
    void UpdateBars();
    void MoveScroll(Point position);
    void Blit(QWidget* widget, const QRegion& region, QPoint offset);
    void RunPaint(const QRegion& region);
    void KeepPlacementAfterFrameAppeared();
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

namespace platform::detail {

// The application-wide state of the window system: activation, capture, the running pumps, the
// quit request. Created (with the Qt application, if needed) on first use.
class Hub : public QObject {
public:
    static Hub& Instance();

    // Makes window the active top-level window (null: none), sending OnActivate to the window
    // losing and the window gaining activation at once, and asks Qt to activate it.
    void SetActive(CWnd* window, unsigned how);
    // Qt reports that window became active: ours to follow unless it is the echo of a request.
    void QtActivated(CWnd* window);
    // Qt is going to report window active, but the program did not ask for it: ignore that once.
    void ExpectQtActivation(CWnd* window);
    void Forget(CWnd* window);

    CWnd* active = nullptr;
    CWnd* capture = nullptr;
    CWnd* desktop = nullptr;

    struct Pump {
        const MessageInspector* inspect;
        bool stopped = false;
    };
    std::vector<Pump*> pumps;
    // Windows we asked Qt to activate, with the time of asking (ms), whose echo is still due.
    std::vector<std::pair<CWnd*, qint64>> activationRequests;

    // While set, our messages are held back (WaitUntilExposed) and posted again by ReleaseHeld.
    bool holding = false;
    std::vector<std::pair<QPointer<QObject>, QEvent*>> held;
    void ReleaseHeld();

    bool quitPending = false;
    int quitCode = 0;

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    bool event(QEvent* event) override;

private:
    Hub();
    bool Inspect(const Msg& message);
    bool FilterMouse(QObject* watched, QEvent* event);
    bool FilterKey(QObject* watched, QEvent* event);
    bool MouseActivate(QWidget* widget, bool leftPress);
    bool Holds(QEvent* event) const;
};

class QuitEvent : public QEvent {
public:
    explicit QuitEvent(int code);
    QuitEvent* clone() const override { return new QuitEvent(*this); }
    int code;
};

QEvent::Type QuitEventType();
// Qt's key code as our key ('A'..'Z', '0'..'9'), or 0.
char AcceleratorKey(int qtKey);

} // namespace platform::detail
