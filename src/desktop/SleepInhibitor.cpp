// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SleepInhibitor.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString portalInhibit = QStringLiteral("org.freedesktop.portal.Inhibit");
const QString portalRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString powerService = QStringLiteral("org.freedesktop.PowerManagement");
const QString powerPath = QStringLiteral("/org/freedesktop/PowerManagement/Inhibit");
const QString powerInhibit = QStringLiteral("org.freedesktop.PowerManagement.Inhibit");

constexpr uint portalFlagSuspend = 4;

} // namespace

SleepInhibitor::SleepInhibitor(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{}

SleepInhibitor::~SleepInhibitor()
{
    releaseGrant();
}

bool SleepInhibitor::isInhibited() const
{
    return !m_portalHandle.isEmpty() || m_powerManagementCookie != 0;
}

void SleepInhibitor::inhibit(const QString &reason)
{
    if (m_wanted || !m_bus.isConnected())
        return;
    m_wanted = true;
    const int request = ++m_request;

    QDBusMessage call = QDBusMessage::createMethodCall(portalService, portalPath, portalInhibit,
                                                       QStringLiteral("Inhibit"));
    call << QString() << portalFlagSuspend
         << QVariantMap{{QStringLiteral("reason"), QVariant(reason)}};
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, callTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, reason, request] {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
        if (reply.isError())
            inhibitThroughPowerManagement(reason, request);
        else
            granted(request, reply.value().path(), 0);
    });
}

void SleepInhibitor::inhibitThroughPowerManagement(const QString &reason, int request)
{
    if (request != m_request || !m_wanted)
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(powerService, powerPath, powerInhibit,
                                                       QStringLiteral("Inhibit"));
    call << QStringLiteral("Clipforger") << reason;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, callTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, request] {
        watcher->deleteLater();
        const QDBusPendingReply<uint> reply = *watcher;
        if (!reply.isError())
            granted(request, QString(), reply.value());
    });
}

void SleepInhibitor::granted(int request, const QString &portalHandle, uint cookie)
{
    if (request != m_request || !m_wanted) {
        giveBack(portalHandle, cookie);
        return;
    }
    m_portalHandle = portalHandle;
    m_powerManagementCookie = cookie;
}

void SleepInhibitor::release()
{
    if (!m_wanted)
        return;
    m_wanted = false;
    releaseGrant();
}

void SleepInhibitor::releaseGrant()
{
    giveBack(m_portalHandle, m_powerManagementCookie);
    m_portalHandle.clear();
    m_powerManagementCookie = 0;
}

void SleepInhibitor::giveBack(const QString &portalHandle, uint cookie)
{
    // Fire and forget: nobody waits for the answer, and the desktop drops our inhibitions
    // anyway when our bus connection closes.
    if (!portalHandle.isEmpty()) {
        m_bus.send(QDBusMessage::createMethodCall(portalService, portalHandle, portalRequest,
                                                  QStringLiteral("Close")));
    }
    if (cookie != 0) {
        QDBusMessage call = QDBusMessage::createMethodCall(powerService, powerPath, powerInhibit,
                                                           QStringLiteral("UnInhibit"));
        call << cookie;
        m_bus.send(call);
    }
}
