#pragma once

#include "platform/gfx/Geometry.h"

#include <functional>

class CWnd;

// The thread's message queue, as far as the program's own loops need it.
//
// On Qt the queue is Qt's event queue. Two things make it look like a classic message queue:
// - A quit request (PostQuitMessage, and destroying the application's main window, which posts
//   one with code 0) is a message of its own. When the application's loop handles it the loop
//   ends; a quit seen by a program's pump (below) is visible to the caller first.
// - Every input message is offered, in this order: to the inspector of the innermost running
//   pump (it sees the kind and the target window before any handler runs), then to
//   pre-translation (the main frame's accelerator table: Ctrl+letter/digit, whichever of our
//   windows has the focus), then it is dispatched to the target window's handlers.

enum class MessageKind {
    None,            // a message not filled in
    Quit,            // a quit request; exitCode holds its code
    LeftButtonDown,  // point: client coordinates of target
    LeftButtonUp,
    MouseMove,
    KeyDown,         // key: 'A'..'Z', '0'..'9' or another key code; control: Ctrl held
    Command,         // a posted command (menu choice); command: its id
    Close,           // a close request for target
};
// Other events (paint, resize, ...) are handled without being shown to an inspector.

struct Msg {
    MessageKind kind = MessageKind::None;
    CWnd* target = nullptr; // our window the message is for (null for Quit and non-window messages)
    Point point;            // mouse messages: client coordinates of target
    int key = 0;
    bool control = false;
    int command = 0;
    int exitCode = 0;
};

enum class PumpAction {
    Dispatch,     // handle the message as usual: pre-translate, translate, dispatch
    Consume,      // remove it without handling it
    StopPumping,  // remove it without handling it and end this pump
};

// Looks at a message before it is handled.
using MessageInspector = std::function<PumpAction(const Msg&)>;

namespace platform {

// Handles every message waiting now, then returns (it does not wait for new ones). Each message
// is first shown to inspect (when given). Commands dispatched from here may run loops of their
// own, including nested pumps; an inner pump's inspector sees the messages while it runs.
// A Quit that inspect lets through (Dispatch) ends the application's loop as usual. After
// StopPumping, the messages that were already waiting are still handled in this call, without
// inspection (Qt cannot leave them in the queue). Returns false when it stopped on StopPumping.
// Qt hands out posted messages once per pass, in order: a pump nested inside the handling of a
// posted message sees what is posted or typed after that message, while messages that were
// already queued behind it are handled after the nested pump's caller returns.
bool PumpWaitingMessages(const MessageInspector& inspect = {});
// The same, but when nothing is waiting it first waits for a message (a modal loop's step).
bool WaitAndPumpMessages(const MessageInspector& inspect = {});

} // namespace platform

// Posts a quit request with the exit code.
void PostQuitMessage(int exitCode);
