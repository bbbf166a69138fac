// Asks an X client whether it still handles its events: sends _NET_WM_PING to one of its
// windows and waits for the answer, which the client sends to the root window.
// Usage: tracelume-xping <window id> [timeout in ms]. Exit status 0: answered; 1: no answer
// within the time; 2: usage or display error.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <window id> [timeout in ms]\n", argv[0]);
        return 2;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    const int timeoutMs = argc > 2 ? std::atoi(argv[2]) : 10000;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    // Clients answer with the structure-notify mask (Qt) or the substructure ones; take all.
    XSelectInput(display, root, StructureNotifyMask | SubstructureNotifyMask);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    // A stamp of our own, so that the window manager's pings are not taken for our answer.
    const long stamp = long(std::chrono::steady_clock::now().time_since_epoch().count() & 0x7fffffff);

    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = window;
    request.xclient.message_type = protocols;
    request.xclient.format = 32;
    request.xclient.data.l[0] = long(ping);
    request.xclient.data.l[1] = stamp;
    request.xclient.data.l[2] = long(window);
    XSendEvent(display, window, False, NoEventMask, &request);
    XFlush(display);

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ClientMessage && event.xclient.message_type == protocols &&
                Atom(event.xclient.data.l[0]) == ping && event.xclient.data.l[1] == stamp) {
                XCloseDisplay(display);
                return 0;
            }
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        pollfd descriptor{ConnectionNumber(display), POLLIN, 0};
        poll(&descriptor, 1, int(left.count()));
    }
    XCloseDisplay(display);
    return 1;
}
