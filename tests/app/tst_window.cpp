#include "TemporaryHome.h"
#include "app/ClipforgerApp.h"
#include "app/MainWindow.h"
#include "app/WindowSizing.h"
#include "screens/ContentView.h"

#include <QProcess>
#include <QRegularExpression>
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

    void windowOpensWithA500By400ContentArea()
    {
        TemporaryHome home;
        MainWindow window(QStringLiteral("/nonexistent"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCOMPARE(window.windowTitle(), QStringLiteral("Clipforger"));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Clipforger"));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.clipforger.Clipforger"));
        QTRY_COMPARE(serverSideSize(window), QSize(500, 400));
        QCOMPARE(frameOfScreen(window), QRect(0, 0, 500, 400));
    }

    void largerWindowCentresTheContent()
    {
        TemporaryHome home;
        MainWindow window(QStringLiteral("/nonexistent"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(800, 600);
        QTRY_COMPARE(serverSideSize(window), QSize(800, 600));
        QTRY_COMPARE(frameOfScreen(window), QRect(150, 100, 500, 400));
    }

    void sizeStepResizesTheFirstWindowOfTheApplication()
    {
        TemporaryHome home;
        QWidget earlier;
        earlier.resize(200, 100);
        earlier.show();
        QVERIFY(QTest::qWaitForWindowExposed(&earlier));

        MainWindow window(QStringLiteral("/nonexistent"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(serverSideSize(earlier), QSize(500, 400));
    }

    void sizeStepWithoutWindowsDoesNothing()
    {
        QVERIFY(QGuiApplication::topLevelWindows().isEmpty());
        WindowSizing::resizeFirstWindow(QSize(500, 400));
        QVERIFY(QGuiApplication::topLevelWindows().isEmpty());
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
