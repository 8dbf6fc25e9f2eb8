#include "platform/backend/qt/x11_window_state.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace qtbackend {

namespace {

struct X11Window {
    xcb_connection_t* connection = nullptr;
    xcb_window_t window = 0;
    xcb_window_t root = 0;
};

// Null connection when Qt runs on another platform.
X11Window X11WindowOf(QWidget& widget) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr) {
        return {};
    }
    xcb_connection_t* connection = x11->connection();
    widget.winId();  // creates the native window if there is none yet
    return {connection, static_cast<xcb_window_t>(widget.windowHandle()->winId()),
            xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root};
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, false, static_cast<uint16_t>(strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

struct SkipStates {
    xcb_atom_t property;
    std::array<xcb_atom_t, 2> states;
};

SkipStates SkipStatesOf(xcb_connection_t* connection) {
    return {Atom(connection, "_NET_WM_STATE"),
            {Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
             Atom(connection, "_NET_WM_STATE_SKIP_PAGER")}};
}

void SendToWindowManager(const X11Window& target, xcb_atom_t type,
                         const std::array<uint32_t, 5>& data) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = target.window;
    message.type = type;
    std::copy(data.begin(), data.end(), message.data.data32);
    xcb_send_event(target.connection, false, target.root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(target.connection);
}

}  // namespace

void SkipTaskbarBeforeMap(QWidget& window) {
    const X11Window target = X11WindowOf(window);
    if (target.connection == nullptr) {
        return;
    }
    const SkipStates skip = SkipStatesOf(target.connection);
    std::vector<xcb_atom_t> states;
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(target.connection,
                               xcb_get_property(target.connection, false, target.window,
                                                skip.property, XCB_ATOM_ATOM, 0, 1024),
                               nullptr),
        &std::free);
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto* existing = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        states.assign(existing, existing + reply->value_len);
    }
    for (xcb_atom_t state : skip.states) {
        if (std::find(states.begin(), states.end(), state) == states.end()) {
            states.push_back(state);
        }
    }
    xcb_change_property(target.connection, XCB_PROP_MODE_REPLACE, target.window, skip.property,
                        XCB_ATOM_ATOM, 32, static_cast<uint32_t>(states.size()), states.data());
    xcb_flush(target.connection);
}

void SkipTaskbarWhileMapped(QWidget& window) {
    const X11Window target = X11WindowOf(window);
    if (target.connection == nullptr) {
        return;
    }
    constexpr uint32_t kAdd = 1;
    constexpr uint32_t kFromApplication = 1;
    const SkipStates skip = SkipStatesOf(target.connection);
    SendToWindowManager(target, skip.property,
                        {kAdd, skip.states[0], skip.states[1], kFromApplication, 0});
}

void RequestFrameExtents(QWidget& window) {
    const X11Window target = X11WindowOf(window);
    if (target.connection == nullptr) {
        return;
    }
    SendToWindowManager(target, Atom(target.connection, "_NET_REQUEST_FRAME_EXTENTS"), {});
}

}  // namespace qtbackend
