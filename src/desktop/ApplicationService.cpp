// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ApplicationService.h"

#include "ApplicationBusEndpoint.h"

#include <QDBusMessage>

namespace {

const QString interfaceName = QStringLiteral("org.freedesktop.Application");

// The launcher's startup notification or activation token, which lets the window that comes
// forward take the focus and ends the launcher's busy cursor. Adopted into the environment, where
// Qt's Wayland activation and the window's StartupNotification read them.
const std::pair<const char *, QString> activationTokens[] = {
    {"DESKTOP_STARTUP_ID", QStringLiteral("desktop-startup-id")},
    {"XDG_ACTIVATION_TOKEN", QStringLiteral("activation-token")},
};

void adoptPlatformData(const QVariantMap &data)
{
    for (const auto &[variable, key] : activationTokens) {
        if (data.contains(key))
            qputenv(variable, data.value(key).toString().toUtf8());
    }
}

} // namespace

ApplicationService::ApplicationService(const QString &applicationId, const QDBusConnection &bus,
                                       QObject *parent)
    : QObject(parent)
    , m_applicationId(applicationId)
    , m_bus(bus)
{
    if (!m_bus.isConnected())
        return;
    m_endpoint = std::make_unique<ApplicationBusEndpoint>();
    connect(m_endpoint.get(), &ApplicationBusEndpoint::activationRequested, this,
            [this](const QVariantMap &platformData) {
                adoptPlatformData(platformData);
                Q_EMIT activationRequested();
            });
    connect(m_endpoint.get(), &ApplicationBusEndpoint::filesOpened, this,
            [this](const QList<QUrl> &urls, const QVariantMap &platformData) {
                adoptPlatformData(platformData);
                Q_EMIT filesOpened(urls);
                Q_EMIT activationRequested();
            });
    m_busThread.setObjectName(QStringLiteral("Application bus"));
    m_endpoint->moveToThread(&m_busThread);
    m_busThread.start();
    // The object is there before the name, so that no call finds the name without it.
    m_owner = m_bus.registerObject(QString::fromLatin1(objectPath), m_endpoint.get(),
                                   QDBusConnection::ExportAllSlots) &&
              m_bus.registerService(m_applicationId);
    if (!m_owner) {
        m_bus.unregisterObject(QString::fromLatin1(objectPath));
        m_busThread.quit();
        m_busThread.wait();
        m_endpoint.reset();
    }
}

ApplicationService::~ApplicationService()
{
    if (!m_owner)
        return;
    m_bus.unregisterService(m_applicationId);
    m_bus.unregisterObject(QString::fromLatin1(objectPath));
    m_busThread.quit();
    m_busThread.wait();
}

QVariantMap ApplicationService::launchPlatformData()
{
    QVariantMap data;
    for (const auto &[variable, key] : activationTokens) {
        if (!qEnvironmentVariableIsEmpty(variable))
            data.insert(key, qEnvironmentVariable(variable));
    }
    return data;
}

bool ApplicationService::handOver(const QString &applicationId, const QDBusConnection &bus,
                                  const QList<QUrl> &files, const QVariantMap &platformData)
{
    if (!bus.isConnected())
        return false;
    QDBusMessage call;
    if (files.isEmpty()) {
        call = QDBusMessage::createMethodCall(applicationId, QString::fromLatin1(objectPath),
                                              interfaceName, QStringLiteral("Activate"));
        call << platformData;
    } else {
        QStringList uris;
        for (const QUrl &file : files)
            uris.append(QString::fromLatin1(file.toEncoded()));
        call = QDBusMessage::createMethodCall(applicationId, QString::fromLatin1(objectPath),
                                              interfaceName, QStringLiteral("Open"));
        call << uris << platformData;
    }
    // No auto-start: a launch that found no owner shows its own window instead.
    call.setAutoStartService(false);
    return bus.call(call, QDBus::Block, handOverTimeoutMs).type() == QDBusMessage::ReplyMessage;
}
