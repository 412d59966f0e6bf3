// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ApplicationService.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace {

const QString interfaceName = QStringLiteral("org.freedesktop.Application");

// The launcher's startup notification or activation token, which lets the window that comes
// forward take the focus.
const std::pair<const char *, QString> activationTokens[] = {
    {"DESKTOP_STARTUP_ID", QStringLiteral("desktop-startup-id")},
    {"XDG_ACTIVATION_TOKEN", QStringLiteral("activation-token")},
};

QVariantMap ownPlatformData()
{
    QVariantMap data;
    for (const auto &[variable, key] : activationTokens) {
        if (!qEnvironmentVariableIsEmpty(variable))
            data.insert(key, qEnvironmentVariable(variable));
    }
    return data;
}

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
    // The object is there before the name, so that no call finds the name without it.
    if (!m_bus.registerObject(QString::fromLatin1(objectPath), this,
                              QDBusConnection::ExportAllSlots))
        return;
    m_owner = m_bus.registerService(m_applicationId);
    if (!m_owner)
        m_bus.unregisterObject(QString::fromLatin1(objectPath));
}

ApplicationService::~ApplicationService()
{
    if (!m_owner)
        return;
    m_bus.unregisterService(m_applicationId);
    m_bus.unregisterObject(QString::fromLatin1(objectPath));
}

bool ApplicationService::handOver(const QString &applicationId, const QDBusConnection &bus,
                                  const QList<QUrl> &files)
{
    if (!bus.isConnected())
        return false;
    QDBusMessage call;
    if (files.isEmpty()) {
        call = QDBusMessage::createMethodCall(applicationId, QString::fromLatin1(objectPath),
                                              interfaceName, QStringLiteral("Activate"));
        call << ownPlatformData();
    } else {
        QStringList uris;
        for (const QUrl &file : files)
            uris.append(QString::fromLatin1(file.toEncoded()));
        call = QDBusMessage::createMethodCall(applicationId, QString::fromLatin1(objectPath),
                                              interfaceName, QStringLiteral("Open"));
        call << uris << ownPlatformData();
    }
    // No auto-start: a launch that found no owner shows its own window instead.
    call.setAutoStartService(false);
    return bus.call(call, QDBus::Block, handOverTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

void ApplicationService::Activate(const QVariantMap &platformData)
{
    adoptPlatformData(platformData);
    Q_EMIT activationRequested();
}

void ApplicationService::Open(const QStringList &uris, const QVariantMap &platformData)
{
    QList<QUrl> urls;
    for (const QString &uri : uris)
        urls.append(QUrl::fromEncoded(uri.toUtf8()));
    adoptPlatformData(platformData);
    Q_EMIT filesOpened(urls);
    Q_EMIT activationRequested();
}

void ApplicationService::ActivateAction(const QString &, const QVariantList &,
                                        const QVariantMap &platformData)
{
    // Clipforger has no actions of its own; the call still brings the window forward.
    adoptPlatformData(platformData);
    Q_EMIT activationRequested();
}
