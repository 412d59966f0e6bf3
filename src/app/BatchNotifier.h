#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QUrl>

// Posts the desktop notification that a batch has ended, through the freedesktop notification
// service on the session bus, with an action that opens the output folder. Without a service
// or a bus it does nothing.
class BatchNotifier : public QObject
{
    Q_OBJECT

public:
    static constexpr int callTimeoutMs = 1000;

    explicit BatchNotifier(const QDBusConnection &bus, QObject *parent = nullptr);

    void notifyBatchEnded(qsizetype converted, qsizetype failed, const QUrl &folder);

    static QString summaryText(qsizetype converted, qsizetype failed);
    static QString bodyText(qsizetype converted, qsizetype failed);

Q_SIGNALS:
    // The user chose the notification's action: open the folder that the batch wrote into.
    void folderOpenRequested(const QUrl &folder);

private Q_SLOTS:
    void onActionInvoked(uint id, const QString &actionKey);
    void onNotificationClosed(uint id, uint reason);

private:
    QDBusConnection m_bus;
    QHash<uint, QUrl> m_folderOfNotification;
};
