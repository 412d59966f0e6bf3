// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopStandIns.h"
#include "desktop/BatchNotifier.h"
#include "desktop/QuitSignals.h"
#include "desktop/SleepInhibitor.h"
#include "desktop/TaskbarProgress.h"
#include "session/BatchReport.h"
#include "session/SizeSummary.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QSignalSpy>
#include <QtTest>

#include <cerrno>
#include <csignal>

class DesktopServicesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_bus.isRunning(), "dbus-daemon did not start");
        m_service = m_bus.service();
        m_client = m_bus.client();
    }

    void cleanup()
    {
        for (const QString &name : m_service.interface()->registeredServiceNames().value()) {
            if (name.startsWith(QStringLiteral("org.freedesktop.")))
                m_service.unregisterService(name);
        }
        m_service.unregisterObject(QStringLiteral("/org"), QDBusConnection::UnregisterTree);
    }

    void inhibitionIsAskedOfThePortalAndGivenBack()
    {
        StandInPortal portal;
        StandInRequests requests;
        servePortal(&portal, &requests);

        SleepInhibitor inhibitor(m_client);
        inhibitor.inhibit(QStringLiteral("Converting videos"));
        QTRY_VERIFY(inhibitor.isInhibited());
        QCOMPARE(portal.inhibitFlags, QList<uint>{4});
        QCOMPARE(portal.reasons, QStringList{QStringLiteral("Converting videos")});

        inhibitor.release();
        QVERIFY(!inhibitor.isInhibited());
        QTRY_COMPARE(requests.closedHandles,
                     QStringList{QStringLiteral("/org/freedesktop/portal/desktop/request/1_1/t")});
    }

    void grantArrivingAfterReleaseIsGivenBack()
    {
        StandInPortal portal;
        StandInRequests requests;
        servePortal(&portal, &requests);

        SleepInhibitor inhibitor(m_client);
        inhibitor.inhibit(QStringLiteral("Converting videos"));
        inhibitor.release();
        QTRY_COMPARE(requests.closedHandles.size(), 1);
        QVERIFY(!inhibitor.isInhibited());
    }

    void withoutPortalThePowerManagementInterfaceServes()
    {
        StandInPowerManagement power;
        QVERIFY(m_service.registerObject(QStringLiteral("/org/freedesktop/PowerManagement/Inhibit"),
                                         &power, QDBusConnection::ExportAllSlots));
        QVERIFY(m_service.registerService(QStringLiteral("org.freedesktop.PowerManagement")));

        auto inhibitor = std::make_unique<SleepInhibitor>(m_client);
        inhibitor->inhibit(QStringLiteral("Converting videos"));
        QTRY_VERIFY(inhibitor->isInhibited());
        QCOMPARE(power.applications, QStringList{QStringLiteral("Clipforger")});

        // Quitting mid-batch: the inhibitor goes away without a release() and still gives back.
        inhibitor.reset();
        QTRY_COMPARE(power.released, QList<uint>{42});
    }

    void refusingOrMissingServicesLeaveNothingBehind()
    {
        StandInPortal portal;
        portal.failing = true;
        StandInRequests requests;
        servePortal(&portal, &requests);

        SleepInhibitor refused(m_client);
        refused.inhibit(QStringLiteral("Converting videos"));
        QTest::qWait(200);
        QVERIFY(!refused.isInhibited());
        refused.release();
        QVERIFY(!refused.isInhibited());

        const QDBusConnection noBus = QDBusConnection::connectToBus(
            QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("nobus"));
        QVERIFY(!noBus.isConnected());
        SleepInhibitor withoutBus(noBus);
        withoutBus.inhibit(QStringLiteral("Converting videos"));
        withoutBus.release();
        BatchNotifier notifierWithoutBus(noBus);
        notifierWithoutBus.notifyBatchEnded({}, QUrl::fromLocalFile(QStringLiteral("/out")));
        TaskbarProgress taskbarWithoutBus(noBus);
        taskbarWithoutBus.show(0.5, 1);
        QVERIFY(!withoutBus.isInhibited());
    }

    void batchEndIsNotifiedAndItsActionOpensTheFolder()
    {
        StandInNotifications notifications;
        QVERIFY(m_service.registerObject(QStringLiteral("/org/freedesktop/Notifications"),
                                         &notifications, QDBusConnection::ExportAllSlots));
        QVERIFY(m_service.registerService(QStringLiteral("org.freedesktop.Notifications")));

        BatchNotifier notifier(m_client);
        QSignalSpy opened(&notifier, &BatchNotifier::folderOpenRequested);
        const QUrl folder = QUrl::fromLocalFile(QStringLiteral("/home/u/Documents/Clipforger"));
        BatchOutcomes outcomes(3, FileOutcome{});
        outcomes.append({QUrl::fromLocalFile(QStringLiteral("/v/a<b>.mov")),
                         {},
                         FileOutcome::Failure::EncoderMissing,
                         0});
        notifier.notifyBatchEnded(BatchReport(outcomes, {2'000'000, 500'000, 3}), folder);

        QTRY_COMPARE(notifications.posted.size(), 1);
        const auto &posted = notifications.posted.first();
        QCOMPARE(posted.summary, QStringLiteral("Conversion finished with failures"));
        // The stand-in announces no markup: the name goes as it is.
        QCOMPARE(posted.body, QStringLiteral("Converted: 3. Failed: 1.\n"
                                             "2.0 MB → 500.0 kB, 75% smaller\n"
                                             "a<b>.mov: the encoder is not installed "
                                             "(handbrake-cli)"));
        QCOMPARE(posted.actions.first(), QStringLiteral("default"));
        QCOMPARE(posted.hints.value(QStringLiteral("desktop-entry")).toString(),
                 QStringLiteral("org.clipforger.Clipforger"));

        emitNotificationSignal(QStringLiteral("ActionInvoked"),
                               {uint(999), QStringLiteral("default")});
        emitNotificationSignal(QStringLiteral("ActionInvoked"),
                               {uint(101), QStringLiteral("default")});
        QTRY_COMPARE(opened.size(), 1);
        QCOMPARE(opened.first().first().toUrl(), folder);

        // Once closed, the notification's action no longer reaches us.
        emitNotificationSignal(QStringLiteral("NotificationClosed"), {uint(101), uint(2)});
        emitNotificationSignal(QStringLiteral("ActionInvoked"),
                               {uint(101), QStringLiteral("default")});
        QTest::qWait(200);
        QCOMPARE(opened.size(), 1);

        notifications.capabilities = {QStringLiteral("body-markup")};
        notifier.notifyBatchEnded(BatchReport(outcomes, {}), folder);
        QTRY_COMPARE(notifications.posted.size(), 2);
        QVERIFY(notifications.posted.last().body.contains(QStringLiteral("a&lt;b&gt;.mov: ")));
    }

    void notificationTexts_data()
    {
        QTest::addColumn<int>("converted");
        QTest::addColumn<int>("failed");
        QTest::addColumn<int>("stopped");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("firstLine");

        QTest::newRow("all converted") << 2 << 0 << 0 << QStringLiteral("Conversion complete")
                                       << QStringLiteral("Converted: 2. Failed: 0.");
        QTest::newRow("some failed")
            << 1 << 1 << 0 << QStringLiteral("Conversion finished with failures")
            << QStringLiteral("Converted: 1. Failed: 1.");
        QTest::newRow("none converted") << 0 << 3 << 0 << QStringLiteral("Conversion failed")
                                        << QStringLiteral("Converted: 0. Failed: 3.");
        // Said "Conversion failed" while the window said "Stopped".
        QTest::newRow("stopped before any file converted")
            << 0 << 0 << 2 << QStringLiteral("Conversion stopped")
            << QStringLiteral("0 of 2 files converted");
    }

    void notificationTexts()
    {
        QFETCH(int, converted);
        QFETCH(int, failed);
        QFETCH(int, stopped);
        QFETCH(QString, summary);
        QFETCH(QString, firstLine);
        BatchOutcomes outcomes(converted, FileOutcome{});
        outcomes += BatchOutcomes(failed, FileOutcome{{}, {}, FileOutcome::Failure::NoOutput, 0});
        outcomes += BatchOutcomes(stopped, FileOutcome{{}, {}, FileOutcome::Failure::Cancelled, 0});
        const BatchReport report(outcomes, {});
        QCOMPARE(report.notificationSummary(), summary);
        QCOMPARE(report.notificationBody().split(u'\n').first(), firstLine);
    }

    void quitSignalsHaveOneOwnerAndGiveBackTheHandlers()
    {
        static volatile sig_atomic_t caughtBefore = 0;
        struct sigaction before = {}, original = {};
        before.sa_handler = [](int number) { caughtBefore = number; };
        ::sigaction(SIGHUP, &before, &original);
        {
            QuitSignals first;
            QSignalSpy received(&first, &QuitSignals::received);
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("stays inert")));
            delete new QuitSignals; // leaves the first one's handlers and sockets alone
            // Far more than the socket holds: the handler neither blocks nor touches errno.
            errno = EDOM;
            for (int i = 0; i < 10000; ++i)
                ::raise(SIGHUP);
            QCOMPARE(errno, EDOM);
            QTRY_VERIFY(!received.isEmpty());
        }
        ::raise(SIGHUP);
        QCOMPARE(caughtBefore, SIGHUP);
        ::sigaction(SIGHUP, &original, nullptr);
    }

private:
    void servePortal(StandInPortal *portal, StandInRequests *requests)
    {
        QVERIFY(m_service.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), portal,
                                         QDBusConnection::ExportAllSlots));
        for (int i = 1; i <= 3; ++i) {
            m_service.registerObject(
                QStringLiteral("/org/freedesktop/portal/desktop/request/1_%1/t").arg(i), requests,
                QDBusConnection::ExportAllSlots);
        }
        QVERIFY(m_service.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
    }

    void emitNotificationSignal(const QString &name, const QVariantList &arguments)
    {
        QDBusMessage signal =
            QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                       QStringLiteral("org.freedesktop.Notifications"), name);
        signal.setArguments(arguments);
        QVERIFY(m_service.send(signal));
    }

    PrivateSessionBus m_bus;
    QDBusConnection m_service{QString()};
    QDBusConnection m_client{QString()};
};

QTEST_GUILESS_MAIN(DesktopServicesTest)
#include "tst_desktopservices.moc"
