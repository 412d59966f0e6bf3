// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SessionBus.h"

#include <QFileInfo>
#include <QStandardPaths>

QDBusConnection SessionBus::ifAny()
{
    // Without an address or the usual socket, libdbus would try to launch a bus of its own.
    const QString runtimeBus =
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/bus");
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") && !QFileInfo::exists(runtimeBus))
        return QDBusConnection(QStringLiteral("no session bus"));
    return QDBusConnection::sessionBus();
}
