// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QUrl>

class BatchReport;

// Posts the desktop notification that a batch has ended, through the freedesktop notification
// service on the session bus, with the batch's report and an action that opens the output
// folder. Without a service or a bus it does nothing.
class BatchNotifier : public QObject
{
    Q_OBJECT

public:
    static constexpr int callTimeoutMs = 1000;

    explicit BatchNotifier(const QDBusConnection &bus, QObject *parent = nullptr);

    void notifyBatchEnded(const BatchReport &report, const QUrl &folder);
    // A plain notification, without an action.
    void notify(const QString &summary, const QString &body);

Q_SIGNALS:
    // The user chose the notification's action: open the folder that the batch wrote into.
    void folderOpenRequested(const QUrl &folder);

private Q_SLOTS:
    void onActionInvoked(uint id, const QString &actionKey);
    void onNotificationClosed(uint id, uint reason);

private:
    void post(const QString &summary, const QString &body, const QUrl &folder);

    QDBusConnection m_bus;
    QHash<uint, QUrl> m_folderOfNotification;
};
