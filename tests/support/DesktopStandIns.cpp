// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopStandIns.h"

#include <QFile>

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

StandInFileManager::StandInFileManager(QDBusConnection bus)
    : m_bus(bus)
{
    m_bus.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), this,
                         QDBusConnection::ExportAllSlots);
    m_bus.registerService(QStringLiteral("org.freedesktop.FileManager1"));
}

StandInFileManager::~StandInFileManager()
{
    if (m_bus.isConnected()) // Qt crashes unregistering from no bus
        m_bus.unregisterService(QStringLiteral("org.freedesktop.FileManager1"));
}

StandInFolderOpener::StandInFolderOpener(int exitStatus)
    : m_path(qgetenv("PATH"))
{
    QFile script(m_dir.filePath(QStringLiteral("xdg-open")));
    script.open(QIODevice::WriteOnly);
    script.write("#!/bin/sh\nprintf %s \"$1\" >>\"$0.log\"\nexit " +
                 QByteArray::number(exitStatus));
    script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(m_dir.path()) + ':' + m_path);
}

QString StandInFolderOpener::opened() const
{
    QFile log(m_dir.filePath(QStringLiteral("xdg-open.log")));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}
