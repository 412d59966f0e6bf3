#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QUrl>

#include <functional>

// Posts the desktop notification that a batch has ended, through the freedesktop notification
// service on the session bus, with an action that opens the output folder. Without a service
// or a bus it does nothing.
class BatchNotifier : public QObject
{
    Q_OBJECT

public:
    static constexpr int callTimeoutMs = 1000;
    using FolderOpener = std::function<void(const QUrl &folder)>;

    explicit BatchNotifier(const QDBusConnection &bus, QObject *parent = nullptr);

    void setFolderOpener(FolderOpener opener);

    void notifyBatchEnded(qsizetype converted, qsizetype failed, const QUrl &folder);

    static QString summaryText(qsizetype converted, qsizetype failed);
    static QString bodyText(qsizetype converted, qsizetype failed);

private Q_SLOTS:
    void onActionInvoked(uint id, const QString &actionKey);
    void onNotificationClosed(uint id, uint reason);

private:
    QDBusConnection m_bus;
    FolderOpener m_openFolder;
    QHash<uint, QUrl> m_folderOfNotification;
};
