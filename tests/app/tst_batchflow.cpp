#include "DesktopStandIns.h"
#include "FakeEncoderLog.h"
#include "TemporaryHome.h"
#include "app/MainWindow.h"
#include "screens/CompletionView.h"
#include "screens/ContentView.h"
#include "screens/ConvertButton.h"
#include "screens/ConvertingView.h"
#include "screens/ScreenState.h"

#include <QDBusConnection>
#include <QLabel>
#include <QtTest>

// A whole batch through the window, against the stand-in encoder: the button starts it, the
// screens follow it, closing the window stops it, and the desktop hears of it.
class BatchFlowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_bus.isRunning(), "dbus-daemon did not start");
        QDBusConnection service = m_bus.service();
        QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/Notifications"),
                                       &m_notifications, QDBusConnection::ExportAllSlots));
        QVERIFY(service.registerService(QStringLiteral("org.freedesktop.Notifications")));
        QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &m_portal,
                                       QDBusConnection::ExportAllSlots));
        QVERIFY(service.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
    }

    void init()
    {
        m_home = std::make_unique<TemporaryHome>();
        m_window =
            std::make_unique<MainWindow>(FakeEncoderLog::encoderPath(), nullptr, m_bus.client());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup()
    {
        m_window.reset();
        m_home.reset();
    }

    void batchEndsOnACompletionScreenThatTellsTheTruth()
    {
        FakeEncoderLog log;
        state()->setDroppedFiles({input("good.mov", "ok"), input("bad.mov", "exit 3")});
        QTest::mouseClick(m_window->findChild<ConvertButton *>(), Qt::LeftButton);
        QVERIFY(state()->isConverting());
        QVERIFY(m_window->findChild<ConvertingView *>()->isVisible());

        QTRY_VERIFY(qobject_cast<CompletionView *>(contentView()->currentScreen()));
        const BatchOutcomes &outcomes = state()->batchOutcomes();
        QCOMPARE(outcomes.size(), 2);
        QVERIFY(outcomes[0].converted());
        QCOMPARE(outcomes[1].failure, FileOutcome::Failure::ExitStatus);
        QCOMPARE(outcomes[1].detail, 3);
        QCOMPARE(state()->outputFolder(), QUrl::fromLocalFile(contentView()->appFolder()));
        QCOMPARE(QDir(contentView()->appFolder()).entryList(QDir::Files),
                 QStringList{QStringLiteral("good_converted.mp4")});
        QVERIFY(shownTexts().contains(QStringLiteral("1 of 2 files could not be converted")));
        QVERIFY(!log.overlapped());
    }

    void closingMidBatchStopsTheEncoderAndRemovesItsOutput()
    {
        FakeEncoderLog log;
        state()->setDroppedFiles({input("long.mov", "sleep"), input("next.mov", "ok")});
        QTest::mouseClick(m_window->findChild<ConvertButton *>(), Qt::LeftButton);
        QTRY_VERIFY(log.pid(1) > 0);
        const pid_t encoder = log.pid(1);
        QTRY_VERIFY(
            QFileInfo::exists(contentView()->appFolder() + QStringLiteral("/long_converted.mp4")));

        // The desktop's close key (Ctrl+W on X11) acts like the window's close button.
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        const QKeyCombination closeKeys = QKeySequence(QKeySequence::Close)[0];
        QTest::keyClick(m_window.get(), closeKeys.key(), closeKeys.keyboardModifiers());
        QVERIFY2(m_window->isVisible(), "the window waits for the encoder to stop");
        QTRY_VERIFY(!m_window->isVisible());

        QVERIFY(!FakeEncoderLog::isAlive(encoder));
        QCOMPARE(log.runCount(), 1);
        QVERIFY(QDir(contentView()->appFolder()).entryList(QDir::Files).isEmpty());
    }

    void desktopHearsOfABatchOnlyWhenTheWindowIsNotWatched()
    {
        FakeEncoderLog log;
        const qsizetype notificationsBefore = m_notifications.posted.size();
        const qsizetype inhibitionsBefore = m_portal.inhibitFlags.size();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        runBatch({input("seen.mov", "ok")});
        QTRY_COMPARE(m_portal.inhibitFlags.size(), inhibitionsBefore + 1);

        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        contentView()->goBack();
        runBatch({input("unseen.mov", "ok"), input("broken.mov", "exit 1")});

        QTRY_COMPARE(m_notifications.posted.size(), notificationsBefore + 1);
        QCOMPARE(m_notifications.posted.last().body, QStringLiteral("Converted: 1. Failed: 1."));
        QCOMPARE(m_portal.inhibitFlags.size(), inhibitionsBefore + 2);
    }

    void hungDesktopServicesHoldUpNeitherBatchNorQuit()
    {
        FakeEncoderLog log;
        m_portal.silent = m_notifications.silent = true;
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));

        runBatch({input("quiet.mov", "ok")});
        QVERIFY(state()->batchOutcomes().first().converted());
        // Quitting with both calls still unanswered.
        m_window.reset();
        m_portal.silent = m_notifications.silent = false;
    }

private:
    ContentView *contentView() const { return m_window->contentView(); }
    ScreenState *state() const { return contentView()->state(); }

    QUrl input(const char *name, const QByteArray &instructions)
    {
        const QString path = m_home->path() + QStringLiteral("/") + QString::fromUtf8(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(instructions + '\n');
        return QUrl::fromLocalFile(path);
    }

    void runBatch(const QList<QUrl> &files)
    {
        state()->setDroppedFiles(files);
        QTest::mouseClick(m_window->findChild<ConvertButton *>(), Qt::LeftButton);
        QVERIFY(state()->isConverting());
        QTRY_VERIFY(state()->showCompletionView());
    }

    QStringList shownTexts() const
    {
        QStringList texts;
        for (const QLabel *label : contentView()->currentScreen()->findChildren<QLabel *>()) {
            if (label->isVisible())
                texts.append(label->text());
        }
        return texts;
    }

    PrivateSessionBus m_bus;
    StandInNotifications m_notifications;
    StandInPortal m_portal;
    std::unique_ptr<TemporaryHome> m_home;
    std::unique_ptr<MainWindow> m_window;
};

QTEST_MAIN(BatchFlowTest)
#include "tst_batchflow.moc"
