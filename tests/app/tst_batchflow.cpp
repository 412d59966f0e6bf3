// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopStandIns.h"
#include "FakeEncoderLog.h"
#include "FileDrops.h"
#include "SampleMedia.h"
#include "TemporaryHome.h"
#include "app/ClipforgerApp.h"
#include "app/MainWindow.h"
#include "screens/CompletionView.h"
#include "screens/ContentView.h"
#include "screens/ConvertButton.h"
#include "screens/ConvertingView.h"
#include "screens/DropZone.h"
#include "screens/ElidedLabel.h"
#include "session/BatchSession.h"
#include "session/ScreenState.h"

#include <QAccessible>
#include <QClipboard>
#include <QDBusConnection>
#include <QFileDialog>
#include <QLabel>
#include <QtTest>

#include <csignal>
#include <unistd.h>

namespace {

// What a screen reader finds under `node` on screen, in reading order.
QList<QAccessibleInterface *> shownAccessibles(QAccessibleInterface *node)
{
    QList<QAccessibleInterface *> found;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface *child = node->child(i);
        if (!child || child->state().invisible)
            continue;
        found.append(child);
        found.append(shownAccessibles(child));
    }
    return found;
}

QList<QAccessibleInterface *> withRole(QAccessibleInterface *node, QAccessible::Role role)
{
    QList<QAccessibleInterface *> found = shownAccessibles(node);
    found.removeIf([role](const QAccessibleInterface *each) { return each->role() != role; });
    return found;
}

QStringList readTexts(QAccessibleInterface *node)
{
    QStringList texts;
    for (QAccessibleInterface *text : withRole(node, QAccessible::StaticText))
        texts.append(text->text(QAccessible::Name));
    return texts;
}

// Whether the widget wears the focus ring: a two-pixel line in the highlight colour near its
// top edge, set apart from what it surrounds.
bool wearsFocusRing(QWidget *widget)
{
    const QImage picture = widget->grab().toImage();
    const qreal ratio = picture.devicePixelRatio();
    const QRgb highlight = widget->palette().color(QPalette::Highlight).rgb();
    const int x = int(widget->width() / 2 * ratio);
    for (int y = 0; y < 8 * ratio; ++y) {
        if (picture.pixel(x, y) == highlight)
            return picture.pixel(x, y + int(2 * ratio)) != highlight;
    }
    return false;
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

} // namespace

// A whole batch through the app and its window, against the stand-in encoder: files come in by
// every way a user has, the button starts it, the screens follow it, closing the window or a quit
// signal stops it, and the desktop hears of it.
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
        QVERIFY(m_dock.listen(service));

        QVERIFY(SampleMedia::makeClip(media(QStringLiteral("clip.mp4"))));
        QVERIFY(QFile::copy(media(QStringLiteral("clip.mp4")), media(QStringLiteral("other.mkv"))));
        QVERIFY(QDir(m_media.path()).mkpath(QStringLiteral("more/deeper")));
        QVERIFY(QFile::copy(media(QStringLiteral("clip.mp4")),
                            media(QStringLiteral("more/deeper/inside.webm"))));
        // A name in Latin-1, as on old USB sticks.
        QVERIFY(QFile::copy(media(QStringLiteral("clip.mp4")), media(QStringLiteral("cafe.mp4"))));
        QCOMPARE(::rename(QFile::encodeName(media(QStringLiteral("cafe.mp4"))).constData(),
                          (QFile::encodeName(m_media.path()) + "/caf\xe9.mp4").constData()),
                 0);
        // The same file by other names.
        QVERIFY(QFile::link(media(QStringLiteral("clip.mp4")), media(QStringLiteral("link.mp4"))));
        QCOMPARE(::link(QFile::encodeName(media(QStringLiteral("clip.mp4"))).constData(),
                        QFile::encodeName(media(QStringLiteral("hard link.mp4"))).constData()),
                 0);
        // A URL resolved against the window's own working folder would find the files too.
        QVERIFY(QDir::setCurrent(m_media.path()));
        QVERIFY(SampleMedia::makeText(media(QStringLiteral("notes.txt"))));
    }

    void cleanupTestCase()
    {
        // QTemporaryDir removes only what Qt can name.
        ::unlink((QFile::encodeName(m_media.path()) + "/caf\xe9.mp4").constData());
    }

    void init()
    {
        m_home = std::make_unique<TemporaryHome>();
        m_app = std::make_unique<ClipforgerApp>(
            FakeEncoderLog::encoderPath(), m_home->documentsPath() + QStringLiteral("/Clipforger"),
            m_bus.client());
        // One file at a time, whatever this machine's cores; the tests of two at once say so.
        m_app->session()->setEncodeCapacity(EncodeCapacity(1));
        m_window = m_app->window();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    void cleanup()
    {
        m_app.reset();
        m_home.reset();
    }

    void batchEndsOnACompletionScreenThatTellsTheTruth()
    {
        FakeEncoderLog log;
        state()->files().replace({input("good.mov", "ok"), input("bad.mov", "exit 3")});
        QTest::mouseClick(m_window->findChild<ConvertButton *>(), Qt::LeftButton);
        QVERIFY(state()->isConverting());
        QVERIFY(m_window->findChild<ConvertingView *>()->isVisible());

        QTRY_VERIFY(qobject_cast<CompletionView *>(contentView()->currentScreen()));
        const BatchOutcomes &outcomes = state()->files().outcomes();
        QCOMPARE(outcomes.size(), 2);
        QVERIFY(outcomes[0].converted());
        QCOMPARE(outcomes[1].failure, FileOutcome::Failure::ExitStatus);
        QCOMPARE(outcomes[1].detail, 3);
        QCOMPARE(state()->outputFolder(), QUrl::fromLocalFile(outputFolder()));
        QCOMPARE(QDir(outputFolder()).entryList(QDir::Files),
                 QStringList{QStringLiteral("good_converted.mp4")});
        QVERIFY(shownTexts().contains(QStringLiteral("1 of 2 files could not be converted")));
        QVERIFY(!log.overlapped());
    }

    // A second file begins only as the encode before it ends, never beside one midway.
    void twoAtOnceOnlyWhereOneEndsAndTheCountGoesUpByOne()
    {
        FakeEncoderLog log;
        m_app->session()->setEncodeCapacity(EncodeCapacity(2));
        const QString go = m_home->path() + QStringLiteral("/go");
        state()->files().replace({input("first.mov", "wait-for " + go.toUtf8()),
                                  input("second.mov", "sleep"), input("third.mov", "ok")});
        QTest::mouseClick(m_window->findChild<ConvertButton *>(), Qt::LeftButton);
        // The first has encoded all and is writing its file, the second is at 5%: the screen
        // names the first, and the title reads the whole batch.
        QTRY_COMPARE(log.runCount(), 2);
        QTRY_VERIFY(shownTexts().contains(QStringLiteral("100%")));
        QVERIFY(shownTexts().contains(QStringLiteral("File 1 of 3")));
        QTRY_COMPARE(m_window->windowTitle(), QStringLiteral("35% – Clipforger"));

        // Once the first is done, the count goes up by one and the percent is the second's; the
        // third waits for the second to near its end.
        QFile(go).open(QIODevice::WriteOnly);
        QTRY_COMPARE(QDir(outputFolder()).entryList(QDir::Files).size(), 1);
        QTRY_VERIFY(shownTexts().contains(QStringLiteral("File 2 of 3")));
        QVERIFY(shownTexts().contains(QStringLiteral("5%")));

        QTest::mouseClick(button(QStringLiteral("Stop")), Qt::LeftButton);
        QTRY_VERIFY(state()->isOnCompletionScreen());
        QCOMPARE(log.runCount(), 2);
        QVERIFY(shownTexts().contains(QStringLiteral("1 of 3 files converted")));
        QCOMPARE(QDir(outputFolder()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"first_converted.mp4"}));
    }

    void desktopHearsOfABatchOnlyWhenTheWindowIsNotWatched()
    {
        FakeEncoderLog log;
        const qsizetype notificationsBefore = m_notifications.posted.size();
        const qsizetype inhibitionsBefore = m_portal.inhibitFlags.size();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        runBatch({input("seen.mov", "ok")});
        QTRY_COMPARE(m_portal.inhibitFlags.size(), inhibitionsBefore + 1);

        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        m_app->session()->goBack();
        runBatch({input("unseen.mov", "ok"), input("broken.mov", "exit 1")});

        QTRY_COMPARE(m_notifications.posted.size(), notificationsBefore + 1);
        QCOMPARE(m_notifications.posted.last().body,
                 QStringLiteral("Converted: 1. Failed: 1.\n3 bytes → 9 bytes, 200% larger\n"
                                "1 file grew to play everywhere: unseen.mov\n"
                                "broken.mov: the encoder stopped unexpectedly"));
        QCOMPARE(m_portal.inhibitFlags.size(), inhibitionsBefore + 2);
    }

    void progressShowsInTheTitleOnTheTaskbarAndAsTimeLeft()
    {
        FakeEncoderLog log;
        state()->files().replace({input("first.mov", "ok"), input("long.mov", "sleep")});
        QTest::mouseClick(m_window->findChild<ConvertButton *>(), Qt::LeftButton);
        QTRY_VERIFY(shownTexts().contains(QStringLiteral("5%")));

        // The second file's encoder estimates three minutes, and no file is left after it.
        QVERIFY(shownTexts().contains(QStringLiteral("About 3 minutes left")));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("52% – Clipforger"));
        QTRY_COMPARE(m_dock.updates.last().properties.value("progress").toDouble(), 0.52);
        const StandInDock::Entry entry = m_dock.updates.last();
        QCOMPARE(entry.application,
                 QStringLiteral("application://org.clipforger.Clipforger.desktop"));
        QCOMPARE(entry.properties.value("progress-visible").toBool(), true);
        QCOMPARE(entry.properties.value("count").toLongLong(), 1);

        QTest::mouseClick(button(QStringLiteral("Stop")), Qt::LeftButton);
        QTRY_VERIFY(state()->isOnCompletionScreen());
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Clipforger"));
        QTRY_COMPARE(m_dock.updates.last().properties.value("progress-visible").toBool(), false);
    }

    void batchGoesOnWithoutItsRecordAndSaysSo()
    {
        FakeEncoderLog log;
        // No one, root included, can write below a file.
        const QString stateFolder = m_home->path() + QStringLiteral("/state");
        QVERIFY(QFile(stateFolder).open(QIODevice::WriteOnly));
        m_app->session()->recordBatchesAt(stateFolder + QStringLiteral("/clipforger/batch.json"));
        state()->files().replace({input("unrecorded.mov", "sleep")});
        QTest::mouseClick(m_window->findChild<ConvertButton *>(), Qt::LeftButton);
        QTRY_VERIFY(shownTexts().contains(QStringLiteral("5%")));
        QVERIFY(shownTexts().contains(
            QStringLiteral("Crash recovery is off: the app's state folder cannot be written")));
        m_app->session()->stopConversion();
        QTRY_VERIFY(state()->isOnCompletionScreen());
    }

    void everyWayToStopEndsEveryEncoderAndKeepsWhatWasConverted_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("windowStays");

        QTest::newRow("Stop, by its key") << QStringLiteral("Esc") << true;
        QTest::newRow("Stop while paused") << QStringLiteral("P, then Esc") << true;
        // The desktop's close key (Ctrl+W on X11) acts like the window's close button.
        QTest::newRow("the window is closed") << QStringLiteral("close") << false;
        QTest::newRow("a quit signal") << QStringLiteral("SIGTERM") << false;
    }

    void everyWayToStopEndsEveryEncoderAndKeepsWhatWasConverted()
    {
        QFETCH(QString, how);
        QFETCH(bool, windowStays);
        FakeEncoderLog log;
        m_app->session()->setEncodeCapacity(EncodeCapacity(2));
        state()->files().replace({input("done.mov", "ok"), input("ending.mov", "sleep 100"),
                                  input("long.mov", "sleep"), input("never.mov", "ok")});
        QTest::mouseClick(m_window->findChild<ConvertButton *>(), Qt::LeftButton);
        QTRY_COMPARE(log.runCount(), 3);
        const QList<pid_t> encoders = {log.pid(1), log.pid(2), log.pid(3)};
        // Both sleeping encoders have begun writing their hidden, temporary outputs.
        QTRY_COMPARE(QDir(outputFolder()).entryList(QDir::Files | QDir::Hidden).size(), 3);

        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        if (how.startsWith(u'P'))
            QTest::keyClick(m_window, Qt::Key_P);
        if (how.endsWith(QLatin1String("Esc"))) {
            QTest::keyClick(m_window, Qt::Key_Escape);
        } else if (how == QLatin1String("close")) {
            const QKeyCombination closeKeys = QKeySequence(QKeySequence::Close)[0];
            QTest::keyClick(m_window, closeKeys.key(), closeKeys.keyboardModifiers());
        } else {
            ::raise(SIGTERM);
        }
        if (!windowStays) {
            QVERIFY2(m_window->isVisible(), "the window waits for the encoders to stop");
            QTRY_VERIFY(!m_window->isVisible());
        } else {
            QTRY_VERIFY(qobject_cast<CompletionView *>(contentView()->currentScreen()));
            QVERIFY(m_window->isVisible());
            QVERIFY(shownTexts().contains(QStringLiteral("Stopped")));
            QVERIFY(shownTexts().contains(QStringLiteral("1 of 4 files converted")));
        }

        for (const pid_t encoder : encoders)
            QVERIFY(!FakeEncoderLog::isAlive(encoder));
        QCOMPARE(log.runCount(), 3);
        QCOMPARE(QDir(outputFolder()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("done_converted.mp4")});
    }

    void pauseHoldsTheEncodersAndTheFilesToComeUntilResumed()
    {
        FakeEncoderLog log;
        m_app->session()->setEncodeCapacity(EncodeCapacity(2));
        const QString go = m_home->path() + QStringLiteral("/go");
        state()->files().replace({input("first.mov", "wait-for " + go.toUtf8()),
                                  input("second.mov", "pausable"), input("third.mov", "ok")});
        const qsizetype inhibitions = m_portal.inhibitFlags.size();
        QTest::mouseClick(m_window->findChild<ConvertButton *>(), Qt::LeftButton);
        QTRY_VERIFY(state()->files().at(1).fraction > 0.0);
        QTest::mouseClick(button(QStringLiteral("Pause")), Qt::LeftButton);
        QTRY_VERIFY(shownTexts().contains(QStringLiteral("Paused")));
        QCOMPARE(log.commands(2), QByteArray("p\n"));
        QVERIFY(m_window->windowTitle().startsWith(QStringLiteral("Paused at ")));
        QVERIFY(m_window->windowTitle().endsWith(QStringLiteral("% – Clipforger")));
        // The first ends while paused; the third waits for the resume.
        QFile(go).open(QIODevice::WriteOnly);
        QTRY_COMPARE(state()->files().at(0).stage, BatchFile::Stage::Finished);
        QCoreApplication::processEvents();
        QCOMPARE(state()->files().at(2).stage, BatchFile::Stage::Waiting);
        QTest::mouseClick(button(QStringLiteral("Resume")), Qt::LeftButton);
        QTRY_VERIFY(state()->isOnCompletionScreen());
        QCOMPARE(log.commands(2), QByteArray("p\nr\n"));
        QCOMPARE(m_portal.inhibitFlags.size(), inhibitions + 2); // asked again on resume
    }

    // The window says "Paused", and lets the machine sleep, only once every encoder has taken its
    // one pause; each is told no more than it must to end as the last press asked.
    void rapidPressesEndWithTheWindowAndEveryEncoderAgreeing()
    {
        FakeEncoderLog log;
        m_app->session()->setEncodeCapacity(EncodeCapacity(2));
        state()->files().replace({input("one.mov", "pausable 100"), input("two.mov", "pausable")});
        QTest::mouseClick(m_window->findChild<ConvertButton *>(), Qt::LeftButton);
        QTRY_VERIFY(state()->files().at(1).fraction > 0.0);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        for (int press = 0; press < 51; ++press)
            QTest::keyClick(m_window, Qt::Key_P);
        QTRY_VERIFY(m_window->windowTitle().startsWith(QStringLiteral("Paused at ")));
        QCOMPARE(log.commands(1) + log.commands(2), QByteArray("p\np\n"));
        QTest::keyClick(m_window, Qt::Key_P);
        QTRY_VERIFY(state()->isOnCompletionScreen());
        QCOMPARE(log.commands(1) + log.commands(2), QByteArray("p\nr\np\nr\n"));
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
        QVERIFY(state()->files().outcomes().first().converted());
        // Quitting with both calls still unanswered.
        m_app.reset();
        m_portal.silent = m_notifications.silent = false;
    }

    void filesArrivingMidBatchJoinItOnce()
    {
        FakeEncoderLog log;
        const QUrl late = QUrl::fromLocalFile(media(QStringLiteral("clip.mp4")));
        state()->files().replace({input("first.mov", "sleep"), input("second.mov", "ok")});
        QTest::mouseClick(m_window->findChild<ConvertButton *>(), Qt::LeftButton);
        QTRY_VERIFY(log.pid(1) > 0);

        // Dropped on the converting face, then opened once more: it used to wait unseen for the
        // next batch, and "File 1 of 2" went on as if nothing had come.
        auto *convertingFace = m_window->findChild<ConvertingView *>()->parentWidget();
        QCOMPARE(FileDrops::dropOn(convertingFace, *FileDrops::uriList({late})), Qt::CopyAction);
        m_app->open({late});
        QTRY_VERIFY(shownTexts().contains(QStringLiteral("File 1 of 3")));
        QCOMPARE(listedSoFar().size(), 3);
        QVERIFY(shownTexts().contains(QStringLiteral("File 1 of 4")));
        m_app->session()->stopForQuit();
        QTRY_VERIFY(state()->isOnCompletionScreen());
        QCOMPARE(state()->files().outcomes().size(), 4);
        QCOMPARE(state()->files().outcomes().at(2).input, late);

        // Arriving on the completion screen, it starts the next list.
        m_app->open({late});
        QTRY_VERIFY(contentView()->currentScreen()->findChild<DropZone *>());
        QVERIFY(shownTexts().contains(QStringLiteral("1 file selected")));
        QVERIFY(shownTexts().contains(QStringLiteral("clip.mp4")));
    }

    void launchesHandTheirFilesToTheFirstWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("printed");
        QTest::addColumn<QStringList>("listed");
        // This window does not look at its events until the launch has ended.
        QTest::addColumn<bool>("windowBusy");

        const QString undecodable =
            QString::fromLatin1(QUrl::fromLocalFile(m_media.path()).toEncoded() + "/caf%E9.mp4");
        QTest::newRow("paths, a URL, a folder: what a drop would list")
            << QStringList{"clip.mp4",    QUrl::fromLocalFile(media("other.mkv")).toString(),
                           "more",        "notes.txt",
                           "missing.mp4", "https://example.com/web.mp4",
                           undecodable}
            << QString() << QStringList{"clip.mp4", "other.mkv", "inside.webm", "café.mp4"}
            << false;
        const QString clip = QUrl::fromLocalFile(media("clip.mp4")).toString();
        QTest::newRow("one file by many names: listed once, by a path the encoder reads")
            << QStringList{"./clip.mp4",
                           "../" + QDir(m_media.path()).dirName() + "/clip.mp4",
                           "/" + media("clip.mp4"),
                           "file://localhost" + media("clip.mp4"),
                           clip + "?query",
                           clip + "#fragment",
                           "link.mp4",
                           "hard link.mp4"}
            << QString() << QStringList{"clip.mp4"} << false;
        QTest::newRow("while this window is busy: answered at once, listed once it is free")
            << QStringList{"clip.mp4"} << QString() << QStringList{"clip.mp4"} << true;
        QTest::newRow("a relative file: URL, which the window cannot resolve as the caller would")
            << QStringList{"file:clip.mp4"} << QString() << QStringList{} << false;
        QTest::newRow("no files: the window comes forward")
            << QStringList{} << QString() << QStringList{} << false;
        QTest::newRow("--version") << QStringList{"--version"} << "Clipforger " CLIPFORGER_VERSION
                                   << QStringList{} << false;
        QTest::newRow("--help") << QStringList{"--help"} << "[FILE...]" << QStringList{} << false;
    }

    void launchesHandTheirFilesToTheFirstWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, printed);
        QFETCH(QStringList, listed);
        QFETCH(bool, windowBusy);
        QVERIFY(m_app->ownsApplicationId());

        QProcess launch;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_bus.address());
        const QTemporaryDir launchHome;
        environment.insert(QStringLiteral("HOME"), launchHome.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), launchHome.filePath("config"));
        launch.setProcessEnvironment(environment);
        launch.setWorkingDirectory(m_media.path());
        launch.start(QStringLiteral(CLIPFORGER_EXECUTABLE), arguments);
        // This process is the first window, whose events answer the launch unless it is busy.
        if (windowBusy)
            QVERIFY(launch.waitForFinished(10000));
        else
            QTRY_VERIFY_WITH_TIMEOUT(launch.state() == QProcess::NotRunning, 10000);
        QCOMPARE(launch.exitStatus(), QProcess::NormalExit);
        QCOMPARE(launch.exitCode(), 0);
        QVERIFY(QString::fromUtf8(launch.readAllStandardOutput()).contains(printed));

        QStringList names;
        for (const QUrl &file : listedSoFar()) {
            names.append(file.fileName());
            QVERIFY2(QFileInfo(file.toLocalFile()).isFile(), qPrintable(file.toString()));
        }
        QCOMPARE(names, listed);
        // It handed its files over before building an app of its own.
        QVERIFY(!QFileInfo::exists(launchHome.filePath("Documents")));
    }

    void dropZoneOpensTheFileChooser_data()
    {
        QTest::addColumn<QString>("how");
        for (const char *how : {"click", "Tab, then Enter", "Space", "Ctrl+O"})
            QTest::newRow(how) << QString::fromLatin1(how);
    }

    void dropZoneOpensTheFileChooser()
    {
        QFETCH(QString, how);
        auto *dropZone = m_window->findChild<DropZone *>();
        const auto openChooser = [&]() -> QFileDialog * {
            m_window->activateWindow();
            if (!QTest::qWaitForWindowActive(m_window))
                return nullptr;
            if (how == "click") {
                QTest::mouseClick(dropZone, Qt::LeftButton);
            } else if (how == "Ctrl+O") {
                QTest::keyClick(m_window, Qt::Key_O, Qt::ControlModifier);
            } else {
                for (int tab = 0; tab < 5 && !dropZone->hasFocus(); ++tab)
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QTest::keyClick(dropZone, how == "Space" ? Qt::Key_Space : Qt::Key_Return);
            }
            return QTest::qWaitFor([this] { return visibleDialog(); }) ? visibleDialog() : nullptr;
        };

        QFileDialog *chooser = openChooser();
        QVERIFY(chooser);
        QCOMPARE(chooser->fileMode(), QFileDialog::ExistingFiles);
        const QString videoFilter = chooser->nameFilters().first();
        QVERIFY2(videoFilter.contains("*.mp4") && videoFilter.contains("*.mod"),
                 qPrintable(videoFilter));
        chooser->setDirectory(m_media.path());
        chooser->selectFile(QStringLiteral("clip.mp4"));
        static_cast<QDialog *>(chooser)->accept(); // what its Open button does
        QTRY_COMPARE(state()->files().urls(),
                     QList<QUrl>{QUrl::fromLocalFile(media(QStringLiteral("clip.mp4")))});

        // It opens where it was left.
        QTRY_VERIFY(!visibleDialog());
        chooser = openChooser();
        QVERIFY(chooser);
        QCOMPARE(chooser->directory().absolutePath(), m_media.path());
        chooser->reject();
    }

    void pastedFilesAreListedUntilCleared_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<bool>("looking");
        QTest::newRow("Clear button") << false << false;
        QTest::newRow("Delete key") << true << false;
        QTest::newRow("Clear button, as folders are looked through") << false << true;
    }

    void pastedFilesAreListedUntilCleared()
    {
        QFETCH(bool, byKey);
        QFETCH(bool, looking);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        // What a file manager's Copy puts on the clipboard.
        auto *copied = new QMimeData;
        copied->setUrls({QUrl::fromLocalFile(media(QStringLiteral("clip.mp4"))),
                         QUrl::fromLocalFile(media(QStringLiteral("notes.txt")))});
        QGuiApplication::clipboard()->setMimeData(copied);
        QTest::keyClick(m_window, Qt::Key_V, Qt::ControlModifier);
        QTRY_VERIFY(shownTexts().contains(QStringLiteral("1 file selected")));
        if (looking) {
            m_app->session()->stagedState()->setFoldersSeen(1234);
            QVERIFY(shownTexts().contains(QStringLiteral("Looking for videos: %1 folders seen")
                                              .arg(QLocale().toString(1234))));
        }

        if (byKey)
            QTest::keyClick(m_window, Qt::Key_Delete);
        else
            QTest::mouseClick(button(QStringLiteral("Clear")), Qt::LeftButton);
        QVERIFY(state()->files().urls().isEmpty());
        QCOMPARE(state()->foldersSeen(), 0);
        QVERIFY(shownTexts().contains(QStringLiteral("Drop video files here")));
        QVERIFY(!button(QStringLiteral("Clear")));
    }

    void keyboardAloneConvertsOpensTheFolderAndGoesBack()
    {
        FakeEncoderLog log;
        StandInFileManager fileManager(m_bus.service());
        state()->files().replace({input("keys.mov", "ok")});
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));

        // Tab goes round the drop screen's controls in visual order, each wearing the ring.
        auto *dropZone = m_window->findChild<DropZone *>();
        auto *convert = m_window->findChild<ConvertButton *>();
        QCOMPARE(QApplication::focusWidget(), dropZone);
        // A click outside any control puts the keyboard out of use, as it is at a fresh start.
        QTest::mouseClick(m_window, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY2(!wearsFocusRing(dropZone), "no ring before the keyboard is used");
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button(QStringLiteral("Clear")));
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), convert);
        QVERIFY(wearsFocusRing(convert));
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dropZone);
        QVERIFY(wearsFocusRing(dropZone));
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), convert);

        press(Qt::Key_Return);
        QTRY_VERIFY(qobject_cast<CompletionView *>(contentView()->currentScreen()));
        QTRY_VERIFY(QApplication::focusWidget() == button(QStringLiteral("View files")));
        QVERIFY(wearsFocusRing(QApplication::focusWidget()));
        press(Qt::Key_Enter);
        QTRY_COMPARE(fileManager.shownItems.size(), 1);

        // Past Convert more files and Copy: the stand-in's output is no clip, so the original
        // stays.
        for (int tab = 0; tab < 3; ++tab)
            press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(),
                 button(QStringLiteral("Move originals to Trash (3 bytes)")));
        press(Qt::Key_Space);
        QTRY_VERIFY(shownTexts().contains(
            QStringLiteral("1 original was kept: its converted file could not be checked")));
        QVERIFY(QFileInfo::exists(m_home->path() + QStringLiteral("/keys.mov")));
        QVERIFY(!QFileInfo::exists(m_home->path() + QStringLiteral("/.local/share/Trash")));
        QCOMPARE(QApplication::focusWidget(), button(QStringLiteral("View files")));
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button(QStringLiteral("Convert more files")));
        press(Qt::Key_Space);
        QTRY_VERIFY(contentView()->currentScreen()->findChild<DropZone *>());
        QTRY_COMPARE(QApplication::focusWidget(),
                     contentView()->currentScreen()->findChild<DropZone *>());
    }

    void viewFilesShowsTheConvertedFiles_data()
    {
        QTest::addColumn<bool>("fileManagerAnswers");
        QTest::addColumn<int>("openerExitStatus");
        QTest::newRow("the file manager selects them") << true << 0;
        QTest::newRow("no file manager: the folder opens") << false << 0;
        QTest::newRow("nothing opens it: the screen says where it is") << false << 3;
    }

    void viewFilesShowsTheConvertedFiles()
    {
        QFETCH(bool, fileManagerAnswers);
        QFETCH(int, openerExitStatus);
        FakeEncoderLog log;
        StandInFileManager fileManager(fileManagerAnswers ? m_bus.service()
                                                          : QDBusConnection(QString()));
        StandInFolderOpener opener(openerExitStatus);
        runBatch({input("a.mov", "ok"), input("b.mov", "exit 1")});
        QTest::mouseClick(button(QStringLiteral("View files")), Qt::LeftButton);

        const QString folder = outputFolder();
        const QUrl converted = QUrl::fromLocalFile(folder + "/a_converted.mp4");
        if (fileManagerAnswers)
            QTRY_COMPARE(fileManager.shownItems, QList<QStringList>{{converted.toString()}});
        else
            QTRY_COMPARE(opener.opened(), folder);
        QTRY_COMPARE(shownTexts().contains("The folder could not be opened. It is here:"),
                     openerExitStatus != 0);
        QCOMPARE(opener.opened().isEmpty(), fileManagerAnswers);
    }

    void convertedFilesAreCopiedAsAFileManagerCopiesThem()
    {
        FakeEncoderLog log;
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        runBatch({input("a b%20.mov", "ok"), input("b.mov", "exit 1")});
        QTest::keyClick(m_window, Qt::Key_C, Qt::ControlModifier);
        const QUrl converted = QUrl::fromLocalFile(outputFolder() + "/a b%20_converted.mp4");
        const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(copied->urls(), QList<QUrl>{converted});
        // Pasted as text, the path as it is, with no escapes.
        QCOMPARE(copied->text(), converted.toLocalFile());
        QCOMPARE(copied->data("x-special/gnome-copied-files"), "copy\n" + converted.toEncoded());
    }

    void screenReaderFollowsTheBatch()
    {
        FakeEncoderLog log;
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        state()->files().replace({input("first.mov", "sleep"), input("second.mov", "ok")});
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_window);

        const QList<QAccessibleInterface *> buttons = withRole(window, QAccessible::Button);
        QCOMPARE(buttons.size(), 3);
        QCOMPARE(buttons[0]->text(QAccessible::Name), QStringLiteral("Add video files"));
        QCOMPARE(buttons[0]->text(QAccessible::Description), QStringLiteral("2 files listed"));
        QCOMPARE(readTexts(buttons[0]),
                 QStringList({"2 files selected", "first.mov", "second.mov"}));
        QCOMPARE(buttons[1]->text(QAccessible::Name), QStringLiteral("Clear"));
        QCOMPARE(buttons[2]->text(QAccessible::Name),
                 QStringLiteral("Make 2 small, fast, and compatible"));

        // Pressed as a screen reader presses it.
        buttons[2]->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(log.pid(1) > 0);
        const QList<QAccessibleInterface *> bars = withRole(window, QAccessible::ProgressBar);
        QCOMPARE(bars.size(), 1);
        QCOMPARE(bars[0]->text(QAccessible::Name), QStringLiteral("File 1 of 2"));
        QAccessibleValueInterface *value = bars[0]->valueInterface();
        QCOMPARE(value->minimumValue().toInt(), 0);
        QCOMPARE(value->maximumValue().toInt(), 100);
        QTRY_COMPARE(value->currentValue().toInt(), 5);

        m_app->session()->stopForQuit();
        QTRY_VERIFY(state()->isOnCompletionScreen());
        QTRY_VERIFY(withRole(window, QAccessible::Button).first()->state().focused);
        QCOMPARE(withRole(window, QAccessible::Button).first()->text(QAccessible::Name),
                 QStringLiteral("View files"));
        QCOMPARE(readTexts(window), QStringList({"Stopped", "0 of 2 files converted"}));
    }

    void secondQuitSignalQuitsAtOnce()
    {
        FakeEncoderLog log;
        state()->files().replace({input("stubborn.mov", "sleep-ignoring-interrupt")});
        QTest::mouseClick(m_window->findChild<ConvertButton *>(), Qt::LeftButton);
        QTRY_VERIFY(log.pid(1) > 0);
        const pid_t encoder = log.pid(1);
        const QString folder = outputFolder();

        // The first waits for the encoder, which ignores the interrupt until it is killed.
        ::raise(SIGTERM);
        QTRY_VERIFY(m_window->closesWhenBatchEnds());
        QVERIFY(m_window->isVisible());

        QTimer::singleShot(0, m_app.get(), [] { ::raise(SIGTERM); });
        QCOMPARE(QCoreApplication::exec(), 1);
        QVERIFY2(FakeEncoderLog::isAlive(encoder), "the app waited for the encoder's grace period");
        // What main() does once the event loop has returned.
        m_app.reset();
        QTRY_VERIFY(!FakeEncoderLog::isAlive(encoder));
        QVERIFY(QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

private:
    ContentView *contentView() const { return m_window->contentView(); }
    QString media(const QString &name) const { return m_media.filePath(name); }
    QFileDialog *visibleDialog() const
    {
        auto *dialog = m_window->findChild<QFileDialog *>();
        return dialog && dialog->isVisible() ? dialog : nullptr;
    }
    ScreenState *state() const { return m_app->session()->stagedState(); }
    QString outputFolder() const { return m_app->session()->outputFolder(); }

    QUrl input(const char *name, const QByteArray &instructions)
    {
        return FakeEncoderLog::instructedInput(
            m_home->path() + QStringLiteral("/") + QString::fromUtf8(name), instructions);
    }

    // The files listed before one added now, which the intake tells after everything given
    // before it: nothing given earlier can still be on its way.
    QList<QUrl> listedSoFar()
    {
        const QString path = m_home->path() + QStringLiteral("/sentinel.mp4");
        if (!QFile::copy(media(QStringLiteral("clip.mp4")), path))
            return {};
        const QUrl sentinel = QUrl::fromLocalFile(path);
        m_app->session()->addFiles({sentinel});
        if (!QTest::qWaitFor([&] { return state()->files().urls().contains(sentinel); }))
            return {};
        QList<QUrl> listed = state()->files().urls();
        listed.removeOne(sentinel);
        return listed;
    }

    void runBatch(const QList<QUrl> &files)
    {
        state()->files().replace(files);
        QTest::mouseClick(m_window->findChild<ConvertButton *>(), Qt::LeftButton);
        QVERIFY(state()->isConverting());
        QTRY_VERIFY(state()->isOnCompletionScreen());
    }

    QStringList shownTexts() const
    {
        QStringList texts;
        for (const QWidget *widget : contentView()->currentScreen()->findChildren<QWidget *>()) {
            if (!widget->isVisible())
                continue;
            if (const auto *label = qobject_cast<const QLabel *>(widget))
                texts.append(label->text());
            else if (const auto *line = qobject_cast<const ElidedLabel *>(widget))
                texts.append(line->text());
        }
        return texts;
    }

    QAbstractButton *button(const QString &text) const
    {
        for (QAbstractButton *candidate : m_window->findChildren<QAbstractButton *>()) {
            if (candidate->isVisible() && candidate->text() == text)
                return candidate;
        }
        return nullptr;
    }

    PrivateSessionBus m_bus;
    QTemporaryDir m_media;
    StandInNotifications m_notifications;
    StandInPortal m_portal;
    StandInDock m_dock;
    std::unique_ptr<TemporaryHome> m_home;
    std::unique_ptr<ClipforgerApp> m_app;
    MainWindow *m_window = nullptr;
};

QTEST_MAIN(BatchFlowTest)
#include "tst_batchflow.moc"
