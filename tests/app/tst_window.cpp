// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TourFaces.h"
#include "app/ClipforgerApp.h"
#include "app/MainWindow.h"
#include "screens/ContentView.h"
#include "screens/ElidedLabel.h"
#include "session/BatchSession.h"
#include "session/ScreenState.h"

#include <QAbstractButton>
#include <QLabel>
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

// What of the window's texts is cut off: each visible text that its widget is too small for, or
// that lies outside the window.
QStringList clippedTexts(const QWidget &window)
{
    QStringList clipped;
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        QString text;
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            text = label->text();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            text = button->text();
        // Names are shortened with an ellipsis on purpose; only their height must fit.
        const bool elided = qobject_cast<const ElidedLabel *>(widget);
        if (!widget->isVisible() || (text.isEmpty() && !elided))
            continue;
        const QFontMetrics metrics = widget->fontMetrics();
        const QRect area(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        if ((!elided && metrics.horizontalAdvance(text) > area.width()) ||
            metrics.height() > area.height() || !window.rect().contains(area))
            clipped.append(text);
    }
    return clipped;
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

    void init() { openWindow(); }

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

    void windowTheUserSizedKeepsItsSize_data()
    {
        QTest::addColumn<Qt::WindowState>("state");
        QTest::newRow("maximised") << Qt::WindowMaximized;
        QTest::newRow("full screen") << Qt::WindowFullScreen;
        QTest::newRow("sized by hand") << Qt::WindowNoState;
    }

    void windowTheUserSizedKeepsItsSize()
    {
        QFETCH(Qt::WindowState, state);
        // Set while unmapped, the state holds without a window manager; so does the size such a
        // manager gives, which this X server has none to give.
        m_window->hide();
        m_window->setWindowState(state);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->resize(800, 600);
        QTRY_COMPARE(serverSideSize(*m_window), QSize(800, 600));

        // Each new screen used to snap the window back to 500x400, maximised or not.
        m_session->stagedState()->setScreen(ScreenState::Screen::Completion);
        QTest::qWait(200);
        QCOMPARE(serverSideSize(*m_window), QSize(800, 600));
        QCOMPARE(m_window->windowState(), state);
        QTRY_COMPARE(frameOfScreen(*m_window), QRect(150, 100, 500, 400));
    }

    void largerDesktopFontGrowsTextsAndWindow_data()
    {
        QTest::addColumn<QString>("face");
        for (const QString &face : TourFaces::names())
            QTest::newRow(qPrintable(face)) << face;
    }

    void largerDesktopFontGrowsTextsAndWindow()
    {
        QFETCH(QString, face);
        const QFont desktopFont = QApplication::font();
        const auto restoreFont = qScopeGuard([&] { QApplication::setFont(desktopFont); });
        QFont largeFont = desktopFont;
        largeFont.setPixelSize(26); // twice the size the product's texts were drawn for
        QApplication::setFont(largeFont);
        openWindow();
        QVERIFY(TourFaces::show(*m_session, face));

        QTRY_VERIFY(serverSideSize(*m_window).width() > 500 ||
                    serverSideSize(*m_window).height() > 400);
        QTRY_COMPARE(serverSideSize(*m_window), m_window->size());
        QTRY_COMPARE(clippedTexts(*m_window), QStringList());
        // Captions, the smallest texts, were 10 px for a 13 px desktop font.
        for (const QLabel *label : m_window->findChildren<QLabel *>())
            QVERIFY2(!label->isVisible() || QFontInfo(label->font()).pixelSize() >= 20,
                     qPrintable(label->text()));
    }

private:
    void openWindow()
    {
        m_window.reset();
        m_session = std::make_unique<BatchSession>(QStringLiteral("/nonexistent"), m_dir.path());
        m_window = std::make_unique<MainWindow>(m_session.get());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    QTemporaryDir m_dir;
    std::unique_ptr<BatchSession> m_session;
    std::unique_ptr<MainWindow> m_window;
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
