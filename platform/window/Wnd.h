#pragma once

#include "platform/gfx/Gdi.h"
#include "platform/gfx/Geometry.h"

#include <climits>
#include <cstdint>
#include <memory>
#include <string>

// Windows of our window system on Qt 6 Widgets, in the shape of the classic framework's CWnd.
//
// Kinds of windows:
// - Top-level windows (no WS_CHILD): each is its own Qt window. An owner may be given; the
//   window is never a Qt child of its owner, but it is kept above it (a transient window) and is
//   destroyed before it when the owner is destroyed.
// - Child windows (WS_CHILD, with an id): a rectangle inside the client area of their parent;
//   they move, hide and are destroyed with it.
//
// Coordinates and placement:
// - Placements of top-level windows (MoveWindow, SetWindowPos, GetWindowRect) are outer window
//   rectangles in screen pixels: they include the caption and borders that the window manager
//   adds. Without a window manager (Xvfb, the offscreen platform) those borders are 0 and the
//   outer rectangle is the Qt window itself. A frame's menu bar belongs to the outer rectangle,
//   not to the client area.
// - Placements of child windows are in the client coordinates of the parent.
// - GetClientRect is always (0, 0, client width, client height). Mouse handlers get client
//   coordinates.
// - Rectangles are right/bottom exclusive (platform/gfx/Geometry.h).
//
// Pictures: each top-level window keeps the image of its client area (TopLevelImage, 0xFFRRGGBB
// words, white when new). All drawing of the window and of its children goes into that image:
// paint handlers through CPaintDC, other drawing through CClientDC (platform/window/ClientDC.h). What
// reaches the screen is always a copy of that image. A repaint (after Invalidate, UpdateWindow,
// or because Qt exposed the window) first calls OnEraseBkgnd when an erase was asked for, then
// OnPaint, then presents the painted part. Children do not clip their parent: a parent's paint
// covers its whole client area, children included, and a child that paints nothing shows what
// its parent drew there.
//
// Notices are virtual handlers. The platform calls them; programs may call them too.
//
// Lifetime: destroying the window (DestroyWindow, or the default OnClose) destroys its children
// and owned windows first, then calls OnDestroy and finally PostNcDestroy, after which the window
// is gone. The CWnd object survives unless PostNcDestroy deletes it (CFrameWnd and CView do, as
// in the classic framework: create those with new). Deleting a CWnd destroys its window without
// calling PostNcDestroy.

class CDC;
class CWnd;
class CFrameWnd;
class CMenu;
class ScrollViewBars;
class WndPrivate;

// Window styles.
constexpr unsigned WS_OVERLAPPED = 0x00000000;
constexpr unsigned WS_POPUP = 0x80000000;
constexpr unsigned WS_CHILD = 0x40000000;
constexpr unsigned WS_VISIBLE = 0x10000000;
constexpr unsigned WS_CLIPCHILDREN = 0x02000000;
constexpr unsigned WS_CAPTION = 0x00C00000;
constexpr unsigned WS_BORDER = 0x00800000;
constexpr unsigned WS_DLGFRAME = 0x00400000;
constexpr unsigned WS_SYSMENU = 0x00080000;
constexpr unsigned WS_THICKFRAME = 0x00040000;  // sizing border: the user may resize
constexpr unsigned WS_MINIMIZEBOX = 0x00020000;
constexpr unsigned WS_MAXIMIZEBOX = 0x00010000;
constexpr unsigned WS_OVERLAPPEDWINDOW =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

// Window class styles: CS_HREDRAW / CS_VREDRAW repaint the whole window when its width / height
// changes (without them only the newly uncovered part is repainted).
constexpr unsigned CS_VREDRAW = 0x0001;
constexpr unsigned CS_HREDRAW = 0x0002;

// "Let the system choose": x of a top-level window's default position, or its default size.
constexpr int CW_USEDEFAULT = INT_MIN;

// ShowWindow commands. SW_SHOW and SW_SHOWNORMAL also activate a top-level window;
// SW_SHOWNA and SW_SHOWNOACTIVATE do not.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWNA = 8;
constexpr int SW_RESTORE = 9;

// SetWindowPos flags.
constexpr unsigned SWP_NOSIZE = 0x0001;
constexpr unsigned SWP_NOMOVE = 0x0002;
constexpr unsigned SWP_NOZORDER = 0x0004;
constexpr unsigned SWP_NOREDRAW = 0x0008;
constexpr unsigned SWP_NOACTIVATE = 0x0010;
constexpr unsigned SWP_SHOWWINDOW = 0x0040;
constexpr unsigned SWP_HIDEWINDOW = 0x0080;

// OnActivate states.
constexpr unsigned WA_INACTIVE = 0;
constexpr unsigned WA_ACTIVE = 1;      // activated by any means but a click (showing, the program)
constexpr unsigned WA_CLICKACTIVE = 2; // activated by a mouse click

// OnMouseActivate answers: activate or not, and pass the click on or discard it.
constexpr int MA_ACTIVATE = 1;
constexpr int MA_ACTIVATEANDEAT = 2;
constexpr int MA_NOACTIVATE = 3;
constexpr int MA_NOACTIVATEANDEAT = 4;

// OnSize types.
constexpr unsigned SIZE_RESTORED = 0;
constexpr unsigned SIZE_MINIMIZED = 1;
constexpr unsigned SIZE_MAXIMIZED = 2;

// Mouse key state flags passed to the mouse handlers.
constexpr unsigned MK_LBUTTON = 0x0001;
constexpr unsigned MK_RBUTTON = 0x0002;
constexpr unsigned MK_SHIFT = 0x0004;
constexpr unsigned MK_CONTROL = 0x0008;

// Messages that SendMessage / PostMessage understand, and the message field of OnMouseActivate.
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_COMMAND = 0x0111;
constexpr unsigned WM_LBUTTONDOWN = 0x0201;

// Answers of message boxes and dialogs: the button that ended them.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Key codes of the keys that are neither letters nor digits, as key handlers receive them.
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_PRIOR = 0x21; // Page Up
constexpr int VK_NEXT = 0x22;  // Page Down
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;

// The hit-test code that OnMouseActivate receives for a click into a client area.
constexpr unsigned HTCLIENT = 1;

// The child id of a frame's first pane (its view). A frame keeps that child filling its client
// area (CFrameWnd::RecalcLayout).
constexpr int AFX_IDW_PANE_FIRST = 0xE900;

enum class CursorShape {
    Arrow,
    Cross,   // cross-hair
    SizeAll, // four-way move
};

// Registers a window class: its class styles, its cursor, and the colour OnEraseBkgnd fills with
// by default (none: nothing is erased). Returns the name to pass to Create / CreateEx; an empty
// class name there means (0, arrow, no background). Registering the same settings twice gives
// the same name.
std::string AfxRegisterWndClass(unsigned classStyle, CursorShape cursor = CursorShape::Arrow,
                                const Colour* background = nullptr);

// What OnCreate learns about the window being created.
struct CreateStruct {
    std::string className;
    std::string title;
    unsigned style = 0;
    Rect rect;           // outer rectangle (screen) of a top-level, rectangle in the parent of a child
    CWnd* parent = nullptr; // parent of a child, owner of a top-level
    int id = 0;
};

// Size limits of a top-level window, outer sizes in pixels. OnGetMinMaxInfo receives the
// defaults (minimum 1 x 1, maximum unbounded) and may change them. The platform asks for them
// when the window is created, before every programmatic resize (which is clamped to them, as the
// system does for windows with a sizing border or without WS_POPUP) and before every resize by
// the user, so the handler runs each time the limits can matter.
struct MinMaxInfo {
    Point ptMinTrackSize{1, 1};
    Point ptMaxTrackSize{INT_MAX / 4, INT_MAX / 4};
};

// What OnWindowPosChanged learns: the new outer rectangle (screen for top-levels, parent client
// coordinates for children) and which of position and size changed.
struct WindowPos {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    bool moved = false;
    bool resized = false;
};

class CWnd {
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Sentinels for SetWindowPos's insertAfter.
    static const CWnd wndTop;
    static const CWnd wndTopMost;
    static const CWnd wndBottom;

    // The desktop: a window object (never destroyed) whose window rectangle is the desktop of the
    // screen seam (platform/gfx/Screen.h). Message boxes can be owned by it.
    static CWnd* GetDesktopWindow();
    // The window with the keyboard focus (a control's window when one of its parts has it), or
    // null when none of ours has it.
    static CWnd* GetFocus();
    // Gives this window (a control: its part that takes keys) the keyboard focus.
    void SetFocus();
    // Where the mouse pointer is, in screen coordinates.
    static Point GetCursorPos();
    // The top-level window that is active now, or null.
    static CWnd* GetActiveWindow();
    // The window that holds the mouse capture, or null.
    static CWnd* GetCapture();

    // Creates a top-level window (style without WS_CHILD) at the outer rectangle (x, y, width,
    // height) in screen pixels, owned by owner (may be null), or a child window (WS_CHILD) of
    // parent at that rectangle in parent client coordinates with the given id. x = CW_USEDEFAULT
    // places a top-level at the system's default position (a cascade from (40, 40)); width =
    // CW_USEDEFAULT gives it a default size (half the desktop). OnCreate runs before the window
    // is shown; -1 from it fails the creation (the window is destroyed, false returned). With
    // WS_VISIBLE the window is shown (and a top-level activated) after creation.
    virtual bool CreateEx(unsigned exStyle, const std::string& className, const std::string& title, unsigned style,
                          int x, int y, int width, int height, CWnd* parentOrOwner, int id = 0);
    // Creates a child window (WS_CHILD is added) at rect in parent client coordinates.
    virtual bool Create(const std::string& className, const std::string& title, unsigned style, const Rect& rect,
                        CWnd* parent, int id);
    // Destroys the window (see Lifetime above). Returns false when there was none.
    bool DestroyWindow();

    // True while the window exists.
    bool IsWindow() const;
    // Non-null while the window exists; the same value for the window's life.
    const void* GetSafeHwnd() const;
    int GetDlgCtrlID() const;
    unsigned GetStyle() const;
    bool IsChild() const;

    // The parent of a child window, the owner of a top-level window (null when unowned).
    CWnd* GetParent() const;
    // The nearest window above this one (parent or owner chain) that is a frame.
    CFrameWnd* GetParentFrame() const;
    // The top-level window this window belongs to (itself for a top-level).
    CWnd* GetTopLevelParent() const;
    // The child with the given id, or null.
    CWnd* GetDlgItem(int id) const;

    // Placement. Top-levels: outer rectangles in screen pixels; children: parent client
    // coordinates. Both redraw what they uncover when repaint is true (always, in practice).
    void MoveWindow(int x, int y, int width, int height, bool repaint = true);
    void MoveWindow(const Rect& rect, bool repaint = true);
    // insertAfter: &wndTop brings the window to the top (ignored with SWP_NOZORDER), other values
    // leave the order. SWP_SHOWWINDOW / SWP_HIDEWINDOW show or hide after placing. Unless
    // SWP_NOACTIVATE or SWP_HIDEWINDOW is given, a top-level window that is visible afterwards is
    // activated. MoveWindow never activates.
    bool SetWindowPos(const CWnd* insertAfter, int x, int y, int width, int height, unsigned flags);
    // Shows or hides (SW_ constants above). Returns whether the window was visible before. Every
    // command that shows a minimised top-level window (SetWindowPos with SWP_SHOWWINDOW too)
    // brings it back from its icon.
    bool ShowWindow(int command);
    bool IsWindowVisible() const;
    // A top-level window the user (or SW_MINIMIZE) minimised: visible, but shown only as an icon
    // until it is shown again.
    bool IsIconic() const;
    // Brings a top-level window to the top of the stacking order and activates it.
    void BringWindowToTop();
    // Centres a top-level window on the desktop (or on alternate's window rectangle).
    void CenterWindow(const CWnd* alternate = nullptr);
    // Makes a top-level window the active one (OnActivate notices are sent at once).
    CWnd* SetActiveWindow();

    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;
    void SetIcon(const PixelImage& icon);

    void GetClientRect(Rect* rect) const;
    void GetWindowRect(Rect* rect) const;
    void ClientToScreen(Point* point) const;
    void ClientToScreen(Rect* rect) const;
    void ScreenToClient(Point* point) const;
    void ScreenToClient(Rect* rect) const;
    // Turns a client rectangle (client coordinates of a top-level) into the outer rectangle that
    // has it as its client area: adds the window-manager frame and a frame's menu bar.
    void CalcWindowRect(Rect* clientRect) const;

    // "Redraw soon": marks all (or rect, client coordinates) of the client area for repainting at
    // the next return to the message loop; erase asks for OnEraseBkgnd first.
    void Invalidate(bool erase = true);
    void InvalidateRect(const Rect* rect, bool erase = true);
    // "Redraw now": repaints what is marked, synchronously, if anything.
    void UpdateWindow();

    // The mouse capture: while set, mouse moves and releases anywhere in our windows go to this
    // window, in its client coordinates.
    CWnd* SetCapture();
    static void ReleaseCapture();
    // The cursor shown over this window until changed (the class cursor at first).
    void SetCursor(CursorShape cursor);
    CursorShape GetCursor() const;

    // The menu bar of a frame (null for other windows).
    virtual CMenu* GetMenu() const;
    void DrawMenuBar();

    // A command with its types kept: OnCommand(id, code, control) at once. Returns whether it
    // was handled. Controls send their notices this way.
    bool SendCommand(int id, int code = 0, CWnd* control = nullptr);
    // The command id for when the message is next handled by a loop (menu items, which the
    // program handles after the menu has closed). False while there is no window.
    bool PostCommand(int id);

    // The packed messages, for the edge where a message travels as numbers. WM_CLOSE calls
    // OnClose; WM_COMMAND calls SendCommand(the low 16 bits of wParam, its high 16 bits, no
    // control): lParam carries no window. Others do nothing.
    // SendMessage acts at once; PostMessage when the message is next handled by a loop.
    intptr_t SendMessage(unsigned message, uintptr_t wParam = 0, intptr_t lParam = 0);
    bool PostMessage(unsigned message, uintptr_t wParam = 0, intptr_t lParam = 0);


    // The image of the client area of this window's top-level window, and where this window's
    // client area lies in it (top-level client coordinates; for a scroll view its viewport,
    // without the scroll bars). Null / empty while there is no window.
    PixelImage* TopLevelImage() const;
    Rect ClientAreaInTopLevel() const;

    // Notices.
    virtual int OnCreate(const CreateStruct& create);
    // Default: validates without drawing (what is in the image stays).
    virtual void OnPaint();
    // Default: fills the client area with the class background, if the class has one. Returns
    // whether it erased.
    virtual bool OnEraseBkgnd(CDC* dc);
    // New client size in pixels.
    virtual void OnSize(unsigned type, int cx, int cy);
    virtual void OnGetMinMaxInfo(MinMaxInfo* info);
    // state: WA_ACTIVE, WA_CLICKACTIVE or WA_INACTIVE; other: the window losing or gaining
    // activation in exchange (may be null). Top-levels only.
    virtual void OnActivate(unsigned state, CWnd* other, bool minimized);
    // Asked of a top-level window when a button press arrives while it is not active (for the
    // window that holds the pressed point, hitTest HTCLIENT, message WM_LBUTTONDOWN). Default
    // MA_ACTIVATE.
    virtual int OnMouseActivate(CWnd* desktop, unsigned hitTest, unsigned message);
    // After the window was moved or resized (only when position or size really changed).
    virtual void OnWindowPosChanged(const WindowPos* position);
    // A close request (caption button, WM_CLOSE). Default: DestroyWindow.
    virtual void OnClose();
    virtual void OnDestroy();
    virtual void OnLButtonDown(unsigned flags, Point point);
    virtual void OnMouseMove(unsigned flags, Point point);
    virtual void OnLButtonUp(unsigned flags, Point point);
    // Palette notices. Qt screens have no palettes, so the platform never sends them; they stay
    // callable for the palette paths. Defaults: false / nothing.
    virtual bool OnQueryNewPalette();
    virtual void OnPaletteChanged(CWnd* focusWindow);
    // A command (menu item, accelerator, WM_COMMAND): its id, and for a control's notification
    // its code (BN_CLICKED, CBN_SELCHANGE, ...) and the control (code 0 and no control for menus
    // and accelerators). Returns whether it was handled. Default: not handled.
    virtual bool OnCommand(int id, int code = 0, CWnd* control = nullptr);
    // A horizontal track bar child was moved by the user: the TB_ code of the move, its new
    // position and the track bar (platform/window/Controls.h). Default: nothing.
    virtual void OnHScroll(unsigned code, unsigned position, CWnd* scrollBar);
    // A key pressed in this top-level window or in one of its children, before the window with
    // the focus gets it: key is 'A'..'Z', '0'..'9', VK_RETURN or VK_ESCAPE. Returns whether it
    // was handled (and goes no further). Asked of top-level windows only. Default: false.
    virtual bool PreTranslateKey(int key);
    // A key without Ctrl that PreTranslateKey left alone, for the window with the keyboard focus:
    // offered to it, then to each of its parents up to its top-level window, until one handles
    // it. key: as for PreTranslateKey, or VK_TAB, VK_PRIOR, VK_NEXT, VK_LEFT, VK_UP, VK_RIGHT,
    // VK_DOWN. Returns whether it was handled. Default: false.
    virtual bool OnKeyDown(int key);
    // The keyboard focus came to this window, or left it. Default: nothing.
    virtual void OnSetFocus();
    virtual void OnKillFocus();
    // The last notice of a window; the window is gone when it returns. Default: nothing.
    virtual void PostNcDestroy();

    // Platform internals (platform/ only).
    WndPrivate* Private() const { return d_.get(); }
    // Hooks through which the window core reaches what a subclass adds, without asking which
    // class a window is. The frame this window is, or null.
    virtual CFrameWnd* AsFrame();
    // The scroll bars of a scroll view, or null: only scroll views have them.
    virtual ScrollViewBars* ScrollBarsPart();
    // The window's widgets exist and OnCreate has not run yet. A frame puts its menu bar in place.
    virtual void OnWidgetsCreated();
    // A child of this window was created (after the child's OnCreate). A frame lays out its pane.
    virtual void OnChildCreated(CWnd* child);

private:
    friend class WndPrivate;
    std::unique_ptr<WndPrivate> d_;
};
