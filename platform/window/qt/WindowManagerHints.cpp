#include "platform/window/qt/WindowManagerHints.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace platform::detail {

namespace {

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t InternAtom(xcb_connection_t* connection, const char* name)
{
    const ReplyPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

ReplyPtr<xcb_get_property_reply_t> GetProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property)
{
    return {xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
                                   nullptr),
            &std::free};
}

// The running window manager's name, as it publishes it (EWMH), or "" without one.
std::string WindowManagerName(xcb_connection_t* connection)
{
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (screen == nullptr)
        return {};
    const auto check = GetProperty(connection, screen->root, InternAtom(connection, "_NET_SUPPORTING_WM_CHECK"));
    if (!check || check->format != 32 || xcb_get_property_value_length(check.get()) < 4)
        return {};
    const xcb_window_t wm = *static_cast<const xcb_window_t*>(xcb_get_property_value(check.get()));
    const auto name = GetProperty(connection, wm, InternAtom(connection, "_NET_WM_NAME"));
    if (!name || name->format != 8)
        return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(name.get())),
                       size_t(xcb_get_property_value_length(name.get())));
}

} // namespace

void AskForToolWindowFrame(QWidget* widget)
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr || widget == nullptr)
        return;
    // The offscreen platform answers for X11 too, without a connection.
    xcb_connection_t* connection = x11->connection();
    if (connection == nullptr || WindowManagerName(connection) != "Openbox")
        return;
    // Window managers take the first type they know.
    const std::array<xcb_atom_t, 3> types{InternAtom(connection, "_NET_WM_WINDOW_TYPE_TOOLBAR"),
                                          InternAtom(connection, "_NET_WM_WINDOW_TYPE_UTILITY"),
                                          InternAtom(connection, "_NET_WM_WINDOW_TYPE_NORMAL")};
    const xcb_atom_t property = InternAtom(connection, "_NET_WM_WINDOW_TYPE");
    if (property == XCB_ATOM_NONE)
        return;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(widget->winId()), property, XCB_ATOM_ATOM,
                        32, uint32_t(types.size()), types.data());
    xcb_flush(connection);
}

} // namespace platform::detail
