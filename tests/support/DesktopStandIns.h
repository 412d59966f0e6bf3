// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QVariantMap>

// A dbus-daemon of the test's own, so that tests never talk to the real desktop, with two
// connections to it: one for the stand-in services, one for the application's side.
class PrivateSessionBus
{
public:
    PrivateSessionBus();
    ~PrivateSessionBus();

    bool isRunning() const { return m_service.isConnected() && m_client.isConnected(); }
    // For processes of the test's own: their DBUS_SESSION_BUS_ADDRESS.
    QString address() const { return m_address; }
    QDBusConnection service() const { return m_service; }
    QDBusConnection client() const { return m_client; }

private:
    QProcess m_daemon;
    QString m_address;
    QDBusConnection m_service{QString()};
    QDBusConnection m_client{QString()};
};

// Stand-ins for the desktop's services. They live on their own connection to a private bus
// that the test starts, and record what the application asked of them.
class StandInPortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Inhibit")

public:
    bool failing = false;
    bool silent = false; // never answers, like a hung service
    QList<uint> inhibitFlags;
    QStringList reasons;

public Q_SLOTS:
    QDBusObjectPath Inhibit(const QString &, uint flags, const QVariantMap &options)
    {
        if (failing) {
            sendErrorReply(QDBusError::AccessDenied, QStringLiteral("not today"));
            return {};
        }
        if (silent) {
            setDelayedReply(true);
            return {};
        }
        inhibitFlags.append(flags);
        reasons.append(options.value(QStringLiteral("reason")).toString());
        return QDBusObjectPath(QStringLiteral("/org/freedesktop/portal/desktop/request/1_%1/t")
                                   .arg(inhibitFlags.size()));
    }
};

class StandInRequests : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Request")

public:
    QStringList closedHandles;

public Q_SLOTS:
    void Close() { closedHandles.append(message().path()); }
};

class StandInPowerManagement : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.PowerManagement.Inhibit")

public:
    QStringList applications;
    QList<uint> released;

public Q_SLOTS:
    uint Inhibit(const QString &application, const QString &)
    {
        applications.append(application);
        return 41 + uint(applications.size());
    }
    void UnInhibit(uint cookie) { released.append(cookie); }
};

class StandInNotifications : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Notification
    {
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
    };
    QList<Notification> posted;
    bool silent = false;
    QStringList capabilities;

public Q_SLOTS:
    QStringList GetCapabilities() { return capabilities; }
    uint Notify(const QString &, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &hints, int)
    {
        if (silent) {
            setDelayedReply(true);
            return 0;
        }
        posted.append({summary, body, actions, hints});
        return 100 + uint(posted.size());
    }
};

// Listens as a dock or a task manager does for the launcher entry's Update signal, from any
// object on the bus.
class StandInDock : public QObject
{
    Q_OBJECT

public:
    struct Entry
    {
        QString application;
        QVariantMap properties;
    };
    QList<Entry> updates;

    bool listen(QDBusConnection bus)
    {
        return bus.connect(QString(), QString(),
                           QStringLiteral("com.canonical.Unity.LauncherEntry"),
                           QStringLiteral("Update"), this, SLOT(Update(QString, QVariantMap)));
    }

public Q_SLOTS:
    void Update(const QString &application, const QVariantMap &properties)
    {
        updates.append({application, properties});
    }
};

// Stands in for the desktop's file manager on `bus` while alive, recording what it shows.
class StandInFileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    explicit StandInFileManager(QDBusConnection bus);
    ~StandInFileManager() override;

    QList<QStringList> shownItems;

public Q_SLOTS:
    void ShowItems(const QStringList &uris, const QString &) { shownItems.append(uris); }

private:
    QDBusConnection m_bus;
};

// Stands in for xdg-open while alive, first on PATH: records what it is given and exits with
// `exitStatus`.
class StandInFolderOpener
{
public:
    explicit StandInFolderOpener(int exitStatus);
    ~StandInFolderOpener() { qputenv("PATH", m_path); }

    QString opened() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_path;
};
