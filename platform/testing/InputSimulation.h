#pragma once

#include "platform/gfx/Gdi.h"
#include "platform/gfx/Geometry.h"

class CWnd;

// Input as the user would give it, for tests of any layer (they need no Qt of their own). What is
// delivered goes the whole way: pump inspectors, mouse activation, accelerators, capture.
// "Send" delivers at once; "Post" queues it for the next loop or pump (platform/window/MessageQueue.h).
namespace platform::simulate {

enum class MouseAction { Press, Move, Release };

// The left button (Press, Release) or a move with it held, at a point of window's client area.
void SendMouse(CWnd* window, MouseAction action, Point client);
void PostMouse(CWnd* window, MouseAction action, Point client);
// The same at a pixel of the screen. On a scaled screen that is a part of a client pixel: the
// screen pixel divided by the scale factor, in client coordinates.
void SendMouseAtScreenPixel(CWnd* window, MouseAction action, Point screenPixel);

// A key press in window: key is 'A'..'Z', '0'..'9' or one of the VK_ codes; control: Ctrl held.
// While a pop-up menu is open the key goes to that menu, which holds the keyboard.
void SendKey(CWnd* window, char key, bool control);
void PostKey(CWnd* window, char key, bool control);
// Alt and a letter typed in a frame: its menu bar opens the pop-up of that mnemonic with the
// first item highlighted, as the bar's shortcut does. Returns whether a pop-up opened; it stays
// open for the keys that follow.
bool SendAltKey(CWnd* frame, char letter);

// The close button of a top-level window's caption.
void SendCloseButton(CWnd* window);
void PostCloseButton(CWnd* window);

// The user dragging a top-level window's sizing border or caption (outer sizes, screen pixels).
void UserResize(CWnd* window, int outerWidth, int outerHeight);
void UserMove(CWnd* window, int x, int y);

// The window system activating a top-level window on its own (the user switching windows).
void UserActivate(CWnd* window);

// Clicks the item at position of a frame's menu bar. Returns whether a pop-up opened; an opened
// pop-up is closed again.
bool ClickMenuBarItem(CWnd* frame, int position);
// Chooses the item with that id in a frame's menu, as a click on it would (the command is posted).
bool ChooseMenuItem(CWnd* frame, int id);

// What a frame's menu bar looks like now (its pixels as 0xFFRRGGBB), empty without one.
PixelImage GrabMenuBar(CWnd* frame);
// What a window's client area shows on the screen, in screen pixels (its size times the scale).
PixelImage GrabClient(CWnd* window);

// A window manager putting its frame (left, top, right, bottom, in pixels) around a top-level
// window after it was placed, as it does once the window is shown: Qt learns the frame and
// reports the window moved into it.
void WindowManagerFrameAppears(CWnd* window, int left, int top, int right, int bottom);

// The smallest and largest outer sizes that a top-level window lets the window manager give it
// (what it tells Qt, plus the frame).
struct OuterSizeRange {
    Size smallest;
    Size largest;
};
OuterSizeRange UserSizeRange(CWnd* window);

// The window that the window manager keeps window above and minimises it with (its transient
// parent, for a kind of window that window managers treat as transient), or null.
CWnd* WindowManagerOwner(CWnd* window);

// Handles everything waiting, including deferred deletions, outside any loop of the program.
void ProcessEvents();

} // namespace platform::simulate
