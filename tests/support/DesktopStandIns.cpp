// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopStandIns.h"

PrivateSessionBus::PrivateSessionBus()
{
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"),
                    QStringLiteral("--print-address")});
    if (!m_daemon.waitForReadyRead(10000))
        return;
    m_address = QString::fromUtf8(m_daemon.readLine().trimmed());
    m_service = QDBusConnection::connectToBus(m_address, QStringLiteral("stand-in services"));
    m_client = QDBusConnection::connectToBus(m_address, QStringLiteral("application"));
}

PrivateSessionBus::~PrivateSessionBus()
{
    QDBusConnection::disconnectFromBus(QStringLiteral("stand-in services"));
    QDBusConnection::disconnectFromBus(QStringLiteral("application"));
    m_daemon.terminate();
    m_daemon.waitForFinished();
}
