// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QThread>
#include <QUrl>
#include <QVariantMap>

#include <memory>

class ApplicationBusEndpoint;

// One Clipforger per desktop session: the first instance owns the application id on the session
// bus and answers the freedesktop org.freedesktop.Application interface there, through which
// later launches and the desktop (Open With, D-Bus activation) hand it files or bring it forward.
class ApplicationService : public QObject
{
    Q_OBJECT

public:
    static constexpr char objectPath[] = "/org/clipforger/Clipforger";
    static constexpr int handOverTimeoutMs = 5000;

    // Claims the application id on the bus, unless another instance owns it already.
    ApplicationService(const QString &applicationId, const QDBusConnection &bus,
                       QObject *parent = nullptr);
    ~ApplicationService() override;

    // Whether this instance owns the application id; never without a bus.
    bool ownsApplicationId() const { return m_owner; }

    // The launcher's startup id and activation token from this process's environment, as the
    // platform data of a hand-over. Read before the QGuiApplication, which takes the startup id
    // out of the environment.
    static QVariantMap launchPlatformData();

    // Gives the files to the instance that owns the id and asks it to come forward, with this
    // launch's platform data, so that it ends the launcher's feedback. False when there is none
    // or it did not answer: this launch is then its own window.
    static bool handOver(const QString &applicationId, const QDBusConnection &bus,
                         const QList<QUrl> &files, const QVariantMap &platformData);

Q_SIGNALS:
    void activationRequested();
    void filesOpened(const QList<QUrl> &urls);

private:
    QString m_applicationId;
    QDBusConnection m_bus;
    bool m_owner = false;
    // Answers the bus; goes after the thread it runs on has ended.
    std::unique_ptr<ApplicationBusEndpoint> m_endpoint;
    QThread m_busThread;
};
