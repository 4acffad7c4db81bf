#include "ui/x11_desktop.h"

#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

namespace loopbeam::ui {
namespace {

xcb_connection_t* connection() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* x, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return found;
}

xcb_window_t rootOf(xcb_connection_t* x) { return xcb_setup_roots_iterator(xcb_get_setup(x)).data->root; }

// A message to the window manager about one of our windows (EWMH).
void tellWindowManager(xcb_connection_t* x, xcb_window_t window, xcb_atom_t type, std::array<std::uint32_t, 5> data) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = type;
    std::memcpy(message.data.data32, data.data(), sizeof message.data.data32);
    xcb_send_event(x, 0, rootOf(x), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(x);
}

// True when a window manager runs and lists the hint among those it supports.
bool windowManagerSupports(xcb_connection_t* x, xcb_atom_t hint) {
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        x, xcb_get_property(x, 0, rootOf(x), atom(x, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 4096), nullptr);
    bool supported = false;
    if (reply && reply->format == 32) {
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / 4;
        supported = std::find(atoms, atoms + count, hint) != atoms + count;
    }
    std::free(reply);
    return supported;
}

}  // namespace

void clearTitleProperties(QWidget& window) {
    xcb_connection_t* x = connection();
    if (!x) return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    xcb_change_property(x, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, nullptr);
    xcb_change_property(x, XCB_PROP_MODE_REPLACE, id, atom(x, "_NET_WM_NAME"), atom(x, "UTF8_STRING"), 8, 0, nullptr);
    xcb_flush(x);
}

void keepOutOfTaskbar(QWidget& window, bool out) {
    xcb_connection_t* x = connection();
    if (!x) return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t state = atom(x, "_NET_WM_STATE"), skip = atom(x, "_NET_WM_STATE_SKIP_TASKBAR");
    if (window.isVisible()) {  // the window manager owns the state of a mapped window
        tellWindowManager(x, id, state, {out ? 1u : 0u, skip, 0, 1, 0});
        return;
    }
    // Before the window is mapped its state is ours to write; Qt adds its own to it.
    if (out) xcb_change_property(x, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32, 1, &skip);
    xcb_flush(x);
}

QMargins frameExtents(QWidget& window) {
    xcb_connection_t* x = connection();
    if (!x) return {};
    const xcb_atom_t request = atom(x, "_NET_REQUEST_FRAME_EXTENTS");
    if (!windowManagerSupports(x, request)) return {};
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t extents = atom(x, "_NET_FRAME_EXTENTS");
    tellWindowManager(x, id, request, {0, 0, 0, 0, 0});
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 1000) {
        xcb_get_property_reply_t* reply =
            xcb_get_property_reply(x, xcb_get_property(x, 0, id, extents, XCB_ATOM_CARDINAL, 0, 4), nullptr);
        const bool found = reply && reply->format == 32 && xcb_get_property_value_length(reply) == 16;
        if (found) {
            const auto* edge = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
            const QMargins margins(static_cast<int>(edge[0]), static_cast<int>(edge[2]), static_cast<int>(edge[1]),
                                   static_cast<int>(edge[3]));
            std::free(reply);
            return margins;
        }
        std::free(reply);
        QThread::usleep(1000);  // start-up waits for this: ask often
    }
    return {};
}

}  // namespace loopbeam::ui
