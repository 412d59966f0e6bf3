// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopStandIns.h"
#include "FakeEncoderLog.h"
#include "TemporaryHome.h"
#include "app/ClipforgerApp.h"
#include "app/MainWindow.h"
#include "desktop/AppId.h"
#include "desktop/ApplicationService.h"

#include <QDBusMessage>
#include <QtTest>

#include <xcb/xcb.h>

// On X11, as a launcher watches the root window: every launch that the running window answers
// ends the launcher's busy cursor.
class LaunchFeedbackTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(m_x, xcb_setup_roots_iterator(xcb_get_setup(m_x)).data->root,
                                     XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_x);
        ClipforgerApp::describeApplication(*qApp);
        m_app = std::make_unique<ClipforgerApp>(FakeEncoderLog::encoderPath(),
                                                m_home.documentsPath(), m_bus.client());
        m_app->open({});
        QVERIFY(QTest::qWaitForWindowExposed(m_app->window()));
    }

    void feedbackEndsForASecondLaunch()
    {
        QProcess launch;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_bus.address());
        environment.insert(QStringLiteral("DESKTOP_STARTUP_ID"), QStringLiteral("second_TIME0"));
        launch.setProcessEnvironment(environment);
        launch.start(QStringLiteral(CLIPFORGER_EXECUTABLE), {});
        QTRY_VERIFY_WITH_TIMEOUT(launch.state() == QProcess::NotRunning, 10000);
        QCOMPARE(launch.exitCode(), 0);
        QTRY_VERIFY(rootMessages().contains(R"(remove: ID="second_TIME0")"));
    }

    void feedbackEndsForADBusActivation()
    {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QString::fromLatin1(appId), QString::fromLatin1(ApplicationService::objectPath),
            QStringLiteral("org.freedesktop.Application"), QStringLiteral("Activate"));
        call << QVariantMap{{QStringLiteral("desktop-startup-id"), QStringLiteral("bus_TIME0")}};
        QCOMPARE(m_bus.service().call(call).type(), QDBusMessage::ReplyMessage);
        QTRY_VERIFY(rootMessages().contains(R"(remove: ID="bus_TIME0")"));
    }

private:
    // The pieces of 20 bytes of every message sent to the root window so far, in order: each
    // startup notification message reads whole in them.
    QByteArray rootMessages()
    {
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_x)) {
            const auto *message = reinterpret_cast<xcb_client_message_event_t *>(event);
            if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE)
                m_received.append(reinterpret_cast<const char *>(message->data.data8), 20);
            std::free(event);
        }
        return m_received;
    }

    PrivateSessionBus m_bus;
    TemporaryHome m_home;
    xcb_connection_t *m_x = xcb_connect(nullptr, nullptr);
    QByteArray m_received;
    std::unique_ptr<ClipforgerApp> m_app;
};

QTEST_MAIN(LaunchFeedbackTest)
#include "tst_launchfeedback.moc"
