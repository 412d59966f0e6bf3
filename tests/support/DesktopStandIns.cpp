#include "DesktopStandIns.h"

PrivateSessionBus::PrivateSessionBus()
{
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"),
                    QStringLiteral("--print-address")});
    if (m_daemon.waitForReadyRead(10000))
        m_address = QString::fromUtf8(m_daemon.readLine().trimmed());
}

PrivateSessionBus::~PrivateSessionBus()
{
    m_daemon.terminate();
    m_daemon.waitForFinished();
}
