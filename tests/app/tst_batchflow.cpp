#include "DesktopStandIns.h"
#include "FakeEncoderLog.h"
#include "SampleMedia.h"
#include "TemporaryHome.h"
#include "app/ClipforgerApp.h"
#include "app/MainWindow.h"
#include "engine/EncoderRunner.h"
#include "screens/CompletionView.h"
#include "screens/ContentView.h"
#include "screens/ConvertButton.h"
#include "screens/ConvertingView.h"
#include "screens/DropZone.h"
#include "screens/ElidedLabel.h"
#include "session/BatchSession.h"
#include "session/ScreenState.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QLabel>
#include <QtTest>

#include <csignal>

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

// A whole batch through the app and its window, against the stand-in encoder: the button starts
// it, the screens follow it, closing the window or a quit signal stops it, and the desktop hears
// of it.
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
        m_app = std::make_unique<ClipforgerApp>(
            FakeEncoderLog::encoderPath(), m_home->documentsPath() + QStringLiteral("/Clipforger"),
            m_bus.client());
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
        QCOMPARE(state()->outputFolder(), QUrl::fromLocalFile(outputFolder()));
        QCOMPARE(QDir(outputFolder()).entryList(QDir::Files),
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
        QTRY_VERIFY(QFileInfo::exists(outputFolder() + QStringLiteral("/long_converted.mp4")));

        // The desktop's close key (Ctrl+W on X11) acts like the window's close button.
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        const QKeyCombination closeKeys = QKeySequence(QKeySequence::Close)[0];
        QTest::keyClick(m_window, closeKeys.key(), closeKeys.keyboardModifiers());
        QVERIFY2(m_window->isVisible(), "the window waits for the encoder to stop");
        QTRY_VERIFY(!m_window->isVisible());

        QVERIFY(!FakeEncoderLog::isAlive(encoder));
        QCOMPARE(log.runCount(), 1);
        QVERIFY(QDir(outputFolder()).entryList(QDir::Files).isEmpty());
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
        m_app.reset();
        m_portal.silent = m_notifications.silent = false;
    }

    void fileTypedAfterConvertWaitsForTheNextBatch()
    {
        FakeEncoderLog log;
        const QString late = m_home->path() + QStringLiteral("/late.mp4");
        QVERIFY(SampleMedia::makeClip(late));
        state()->setDroppedFiles({input("first.mov", "sleep"), input("second.mov", "ok")});
        QTest::mouseClick(m_window->findChild<ConvertButton *>(), Qt::LeftButton);
        QTRY_VERIFY(log.pid(1) > 0);

        // Its typing ends while the batch runs: it used to be counted as "File 1 of 3", never
        // converted, and dropped without a word by "Convert more files".
        m_app->session()->addFiles({QUrl::fromLocalFile(late)});
        QTest::qWait(300);
        QVERIFY(shownTexts().contains(QStringLiteral("File 1 of 2")));
        m_app->session()->cancelConversion();
        QTRY_VERIFY(state()->showCompletionView());
        QCOMPARE(state()->batchOutcomes().size(), 2);

        QTest::mouseClick(button(QStringLiteral("Convert more files")), Qt::LeftButton);
        QTRY_VERIFY(contentView()->currentScreen()->findChild<DropZone *>());
        QVERIFY(shownTexts().contains(QStringLiteral("1 file selected")));
        QVERIFY(shownTexts().contains(QStringLiteral("late.mp4")));
    }

    void keyboardAloneConvertsOpensTheFolderAndGoesBack()
    {
        FakeEncoderLog log;
        StandInFileManager fileManager;
        state()->setDroppedFiles({input("keys.mov", "ok")});
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));

        // Tab goes round the drop screen's controls in visual order, each wearing the ring.
        auto *dropZone = m_window->findChild<DropZone *>();
        auto *convert = m_window->findChild<ConvertButton *>();
        QCOMPARE(QApplication::focusWidget(), dropZone);
        QVERIFY2(!wearsFocusRing(dropZone), "no ring before the keyboard is used");
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
        QCOMPARE(fileManager.opened, QList<QUrl>{QUrl::fromLocalFile(outputFolder())});

        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button(QStringLiteral("Convert more files")));
        press(Qt::Key_Space);
        QTRY_VERIFY(contentView()->currentScreen()->findChild<DropZone *>());
        QTRY_COMPARE(QApplication::focusWidget(),
                     contentView()->currentScreen()->findChild<DropZone *>());
    }

    void screenReaderFollowsTheBatch()
    {
        FakeEncoderLog log;
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        state()->setDroppedFiles({input("first.mov", "sleep"), input("second.mov", "ok")});
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_window);

        const QList<QAccessibleInterface *> buttons = withRole(window, QAccessible::Button);
        QCOMPARE(buttons.size(), 2);
        QCOMPARE(buttons[0]->text(QAccessible::Name), QStringLiteral("Add video files"));
        QCOMPARE(buttons[0]->text(QAccessible::Description), QStringLiteral("2 files listed"));
        QCOMPARE(readTexts(buttons[0]),
                 QStringList({"2 files selected", "first.mov", "second.mov"}));
        QCOMPARE(buttons[1]->text(QAccessible::Name),
                 QStringLiteral("Make 2 small, fast, and compatible"));

        // Pressed as a screen reader presses it.
        buttons[1]->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(log.pid(1) > 0);
        const QList<QAccessibleInterface *> bars = withRole(window, QAccessible::ProgressBar);
        QCOMPARE(bars.size(), 1);
        QCOMPARE(bars[0]->text(QAccessible::Name), QStringLiteral("File 1 of 2"));
        QAccessibleValueInterface *value = bars[0]->valueInterface();
        QCOMPARE(value->minimumValue().toInt(), 0);
        QCOMPARE(value->maximumValue().toInt(), 100);
        QTRY_COMPARE(value->currentValue().toInt(), 5);

        m_app->session()->cancelConversion();
        QTRY_VERIFY(state()->showCompletionView());
        QTRY_VERIFY(withRole(window, QAccessible::Button).first()->state().focused);
        QCOMPARE(withRole(window, QAccessible::Button).first()->text(QAccessible::Name),
                 QStringLiteral("View files"));
        QCOMPARE(readTexts(window),
                 QStringList({"Conversion failed", "2 of 2 files could not be converted",
                              "first.mov", "second.mov"}));
    }

    void secondQuitSignalQuitsAtOnce()
    {
        FakeEncoderLog log;
        state()->setDroppedFiles({input("stubborn.mov", "sleep-ignoring-interrupt")});
        QTest::mouseClick(m_window->findChild<ConvertButton *>(), Qt::LeftButton);
        QTRY_VERIFY(log.pid(1) > 0);
        const pid_t encoder = log.pid(1);
        const QString folder = outputFolder();

        // The first waits for the encoder, which ignores the interrupt until it is killed.
        ::raise(SIGTERM);
        QTest::qWait(200);
        QVERIFY(m_window->isVisible());

        QElapsedTimer sinceSecond;
        sinceSecond.start();
        QTimer::singleShot(0, m_app.get(), [] { ::raise(SIGTERM); });
        QCOMPARE(QCoreApplication::exec(), 1);
        QCOMPARE_LT(sinceSecond.elapsed(), EncoderRunner::CancelGraceMs);
        // What main() does once the event loop has returned.
        m_app.reset();
        QTRY_VERIFY(!FakeEncoderLog::isAlive(encoder));
        QVERIFY(QDir(folder).entryList(QDir::Files).isEmpty());
    }

private:
    ContentView *contentView() const { return m_window->contentView(); }
    ScreenState *state() const { return m_app->session()->state(); }
    QString outputFolder() const { return m_app->session()->outputFolder(); }

    QUrl input(const char *name, const QByteArray &instructions)
    {
        return FakeEncoderLog::instructedInput(
            m_home->path() + QStringLiteral("/") + QString::fromUtf8(name), instructions);
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
    StandInNotifications m_notifications;
    StandInPortal m_portal;
    std::unique_ptr<TemporaryHome> m_home;
    std::unique_ptr<ClipforgerApp> m_app;
    MainWindow *m_window = nullptr;
};

QTEST_MAIN(BatchFlowTest)
#include "tst_batchflow.moc"
