#include "app/ClipforgerApp.h"
#include "app/MainWindow.h"
#include "screens/ContentView.h"
#include "session/BatchSession.h"
#include "session/ScreenState.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The size the X server itself reports for a window, not what Qt believes.
QSize serverSideSize(const QWidget &window)
{
    QProcess xwininfo;
    xwininfo.start(QStringLiteral("xwininfo"),
                   {QStringLiteral("-id"), QString::number(window.winId())});
    if (!xwininfo.waitForFinished(5000))
        return {};
    const QString info = QString::fromLocal8Bit(xwininfo.readAllStandardOutput());
    const auto width = QRegularExpression(QStringLiteral("Width: (\\d+)")).match(info);
    const auto height = QRegularExpression(QStringLiteral("Height: (\\d+)")).match(info);
    return {width.captured(1).toInt(), height.captured(1).toInt()};
}

QRect frameOfScreen(const MainWindow &window)
{
    const QWidget *screen = window.contentView()->currentScreen();
    return {screen->mapTo(&window, QPoint(0, 0)), screen->size()};
}

} // namespace

class WindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QGuiApplication::platformName() == QStringLiteral("xcb"),
                 "this test needs a real X server");
        ClipforgerApp::describeApplication(*qApp);
    }

    void init()
    {
        m_session = std::make_unique<BatchSession>(QStringLiteral("/nonexistent"), m_dir.path());
        m_window = std::make_unique<MainWindow>(m_session.get(),
                                                QDBusConnection(QStringLiteral("no bus")));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup()
    {
        m_window.reset();
        m_session.reset();
    }

    void windowOpensWithA500By400ContentArea()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Clipforger"));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Clipforger"));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.clipforger.Clipforger"));
        QTRY_COMPARE(serverSideSize(*m_window), QSize(500, 400));
        QCOMPARE(frameOfScreen(*m_window), QRect(0, 0, 500, 400));
    }

    void largerWindowCentresTheContent()
    {
        m_window->resize(800, 600);
        QTRY_COMPARE(serverSideSize(*m_window), QSize(800, 600));
        QTRY_COMPARE(frameOfScreen(*m_window), QRect(150, 100, 500, 400));
    }

    void eachNewScreenGivesTheWindowItsSizeAgain()
    {
        m_window->resize(800, 600);
        QTRY_COMPARE(serverSideSize(*m_window), QSize(800, 600));
        m_session->state()->setShowCompletionView(true);
        QTRY_COMPARE(serverSideSize(*m_window), QSize(500, 400));
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<BatchSession> m_session;
    std::unique_ptr<MainWindow> m_window;
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
