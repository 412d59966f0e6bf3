// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BatchNotifier.h"

#include "AppId.h"
#include "session/BatchReport.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");
const QString openFolderAction = QStringLiteral("default");

} // namespace

BatchNotifier::BatchNotifier(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{
    if (!m_bus.isConnected())
        return;
    m_bus.connect(service, path, interface, QStringLiteral("ActionInvoked"), this,
                  SLOT(onActionInvoked(uint, QString)));
    m_bus.connect(service, path, interface, QStringLiteral("NotificationClosed"), this,
                  SLOT(onNotificationClosed(uint, uint)));
}

void BatchNotifier::notifyBatchEnded(const BatchReport &report, const QUrl &folder)
{
    if (!m_bus.isConnected())
        return;
    const QString summary = report.notificationSummary();
    const QString body = report.notificationBody();

    // A service that reads the body as markup needs the file names escaped; one that does not
    // would show the escapes.
    const QDBusMessage call =
        QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("GetCapabilities"));
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, callTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [=, this] {
        watcher->deleteLater();
        const QDBusPendingReply<QStringList> reply = *watcher;
        const bool markup =
            !reply.isError() && reply.value().contains(QStringLiteral("body-markup"));
        post(summary, markup ? body.toHtmlEscaped() : body, folder);
    });
}

void BatchNotifier::notify(const QString &summary, const QString &body)
{
    if (m_bus.isConnected())
        post(summary, body.toHtmlEscaped(), QUrl());
}

void BatchNotifier::post(const QString &summary, const QString &body, const QUrl &folder)
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QString::fromLatin1(appId)}};
    call << QStringLiteral("Clipforger") << uint(0) << QString::fromLatin1(appId) << summary << body
         << (folder.isEmpty() ? QStringList() : QStringList{openFolderAction, tr("View files")})
         << hints << int(-1);

    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, callTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, folder] {
        watcher->deleteLater();
        const QDBusPendingReply<uint> reply = *watcher;
        if (!reply.isError())
            m_folderOfNotification.insert(reply.value(), folder);
    });
}

void BatchNotifier::onActionInvoked(uint id, const QString &actionKey)
{
    const auto found = m_folderOfNotification.constFind(id);
    if (found == m_folderOfNotification.cend() || actionKey != openFolderAction)
        return;
    Q_EMIT folderOpenRequested(*found);
}

void BatchNotifier::onNotificationClosed(uint id, uint)
{
    m_folderOfNotification.remove(id);
}
