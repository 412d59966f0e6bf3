// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StartupNotification.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstring>

namespace StartupNotification {

namespace {

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, false, std::strlen(name), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

// The message goes to the root window in pieces of 20 bytes, the first of one type and the rest
// of another, ending with its terminating zero byte.
void sendToRoot(xcb_connection_t *connection, const QByteArray &message)
{
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t first = atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = atom(connection, "_NET_STARTUP_INFO");
    const QByteArray bytes = message + '\0';
    constexpr qsizetype pieceSize = 20;
    for (qsizetype sent = 0; sent < bytes.size(); sent += pieceSize) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = root;
        event.type = sent == 0 ? first : more;
        std::memcpy(event.data.data8, bytes.constData() + sent,
                    std::min(pieceSize, bytes.size() - sent));
        xcb_send_event(connection, false, root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char *>(&event));
    }
    xcb_flush(connection);
}

// The value quoted as the notification's format asks, so that any id reads back whole.
QByteArray removeMessage(const QByteArray &id)
{
    QByteArray quoted = id;
    quoted.replace('\\', "\\\\").replace('"', "\\\"");
    return "remove: ID=\"" + quoted + '"';
}

} // namespace

void completeAdopted()
{
    const QByteArray id = qgetenv("DESKTOP_STARTUP_ID");
    qunsetenv("DESKTOP_STARTUP_ID");
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (id.isEmpty() || !x11)
        return;
    sendToRoot(x11->connection(), removeMessage(id));
}

} // namespace StartupNotification
