// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QObject>

// Keeps the machine from suspending while Clipforger works, through the desktop portal's
// Inhibit interface on the session bus, or the older PowerManagement interface where no portal
// runs. Without either, or without a session bus, it does nothing: the work goes on regardless.
class SleepInhibitor : public QObject
{
    Q_OBJECT

public:
    static constexpr int callTimeoutMs = 1000;

    explicit SleepInhibitor(const QDBusConnection &bus, QObject *parent = nullptr);
    ~SleepInhibitor() override;

    void inhibit(const QString &reason);
    void release();

    // True while the desktop has granted an inhibition that we hold.
    bool isInhibited() const;

private:
    void inhibitThroughPowerManagement(const QString &reason, int request);
    void granted(int request, const QString &portalHandle, uint cookie);
    void releaseGrant();
    void giveBack(const QString &portalHandle, uint cookie);

    QDBusConnection m_bus;
    bool m_wanted = false;
    // Each inhibit() gets a number, so that an answer to an earlier, since released request
    // is recognised and given back at once.
    int m_request = 0;
    QString m_portalHandle;
    uint m_powerManagementCookie = 0;
};
