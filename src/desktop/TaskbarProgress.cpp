// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TaskbarProgress.h"

#include "AppId.h"

#include <QDBusMessage>

TaskbarProgress::TaskbarProgress(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{}

void TaskbarProgress::show(double fraction, qint64 filesLeft)
{
    send({{QStringLiteral("progress"), fraction},
          {QStringLiteral("progress-visible"), true},
          {QStringLiteral("count"), filesLeft},
          {QStringLiteral("count-visible"), filesLeft > 0}});
}

void TaskbarProgress::clear()
{
    send({{QStringLiteral("progress"), 0.0},
          {QStringLiteral("progress-visible"), false},
          {QStringLiteral("count"), qint64(0)},
          {QStringLiteral("count-visible"), false}});
}

void TaskbarProgress::send(const QVariantMap &properties)
{
    if (!m_bus.isConnected())
        return;
    QDBusMessage update = QDBusMessage::createSignal(
        QString::fromLatin1(objectPath), QStringLiteral("com.canonical.Unity.LauncherEntry"),
        QStringLiteral("Update"));
    // The entry is named by the desktop file the app gives itself.
    update << QStringLiteral("application://%1.desktop").arg(QString::fromLatin1(appId))
           << properties;
    m_bus.send(update);
}
