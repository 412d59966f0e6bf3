// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordedActions.h"
#include "screens/ContentView.h"
#include "screens/ConvertingView.h"
#include "screens/MainConversionView.h"
#include "screens/ProgressLabel.h"
#include "screens/SymbolView.h"
#include "session/BatchSession.h"
#include "session/ScreenState.h"

#include <QAbstractAnimation>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <limits>

namespace {

QList<QUrl> files(int count)
{
    QList<QUrl> result;
    for (int i = 0; i < count; ++i)
        result.append(QUrl::fromLocalFile(QStringLiteral("/videos/clip%1.mov").arg(i)));
    return result;
}

// Everything under `root` that would wake the app up: running timers and animations.
int wakeUpSources(const QObject *root)
{
    int count = 0;
    for (const QTimer *timer : root->findChildren<QTimer *>())
        count += timer->isActive();
    for (const QAbstractAnimation *animation : root->findChildren<QAbstractAnimation *>())
        count += animation->state() == QAbstractAnimation::Running;
    return count;
}

QStringList visibleTexts(const QWidget *view)
{
    QStringList texts;
    for (const QLabel *label : view->findChildren<QLabel *>())
        if (label->isVisibleTo(view))
            texts.append(label->text());
    return texts;
}

// The gear as the user sees it.
QImage gearPicture(const QWidget *face)
{
    return face->findChild<SymbolView *>()->grab().toImage();
}

} // namespace

class TestConvertingView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void percentText_data();
    void percentText();
    void timeLeftText_data();
    void timeLeftText();
    void texts_data();
    void texts();
    void gearTurnsWhileConvertingAndRestsUprightAfter();
    void idleFaceNeverWakesTheApp();
    void startsWhenTheConvertingFaceAppears();
    void offScreenNothingWakesTheApp();
    void gearIsSharpAtTheScreensRatio();
    void progressIsAnnouncedAFewTimesASecond();
};

void TestConvertingView::percentText_data()
{
    QTest::addColumn<double>("progress");
    QTest::addColumn<QString>("expected");

    QTest::newRow("nothing done") << 0.0 << "0%";
    QTest::newRow("fraction truncated") << 0.4567 << "45%";
    QTest::newRow("never rounded up to the next percent") << 0.999 << "99%";
    QTest::newRow("done") << 1.0 << "100%";
    QTest::newRow("above one is not clamped") << 1.5 << "150%";
    QTest::newRow("below zero is not clamped") << -0.2 << "-20%";
    QTest::newRow("truncated toward zero, not floored") << -0.005 << "0%";
    QTest::newRow("largest whole percents still shown") << 9.2e16 << "9200000000000000000%";
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "0%";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "0%";
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << "0%";
    QTest::newRow("beyond 64 bits") << 1e300 << "0%";
    QTest::newRow("beyond 64 bits, negative") << -1e17 << "0%";
}

void TestConvertingView::percentText()
{
    QFETCH(double, progress);
    QFETCH(QString, expected);
    QCOMPARE(ConvertingView::percentText(progress), expected);
}

void TestConvertingView::timeLeftText_data()
{
    QTest::addColumn<qint64>("seconds"); // -1: no estimate
    QTest::addColumn<QString>("expected");

    QTest::newRow("no estimate: no line") << qint64(-1) << "";
    QTest::newRow("nothing left is never 0 seconds") << qint64(0) << "A few seconds left";
    QTest::newRow("seconds to the nearest ten") << qint64(44) << "About 40 seconds left";
    QTest::newRow("nearly a minute") << qint64(55) << "About 1 minute left";
    QTest::newRow("minutes rounded") << qint64(150) << "About 3 minutes left";
    QTest::newRow("just short of an hour") << qint64(3569) << "About 59 minutes left";
    QTest::newRow("an hour") << qint64(3570) << "About 1 hour left";
    QTest::newRow("hours and minutes, to five minutes")
        << qint64(4790) << "About 1 hour, 20 minutes left";
    QTest::newRow("hours, plural") << qint64(2 * 3600 + 400) << "About 2 hours, 5 minutes left";
    QTest::newRow("from ten hours on, whole hours")
        << qint64(10 * 3600 + 1000) << "About 10 hours left";
}

void TestConvertingView::timeLeftText()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, expected);
    QCOMPARE(ConvertingView::timeLeftText(seconds < 0 ? std::nullopt : std::optional(seconds)),
             expected);
}

void TestConvertingView::texts_data()
{
    QTest::addColumn<int>("fileCount");
    QTest::addColumn<qint64>("index");
    QTest::addColumn<double>("progress");
    QTest::addColumn<qint64>("secondsLeft"); // -1: no estimate
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("one file: no counter line")
        << 1 << qint64(0) << 0.5 << qint64(-1) << QStringList{"Converting...", "50%"};
    QTest::newRow("three files: counter shows the second, time left under the percent")
        << 3 << qint64(1) << 0.25 << qint64(200)
        << QStringList{"Converting...", "File 2 of 3", "25%", "About 3 minutes left"};
    QTest::newRow("bogus last index does not overflow")
        << 2 << std::numeric_limits<qint64>::max() << 0.0 << qint64(-1)
        << QStringList{"Converting...", "File 9223372036854775807 of 2", "0%"};
}

void TestConvertingView::texts()
{
    QFETCH(int, fileCount);
    QFETCH(qint64, index);
    QFETCH(double, progress);
    QFETCH(qint64, secondsLeft);
    QFETCH(QStringList, expected);

    ScreenState state;
    state.files().replace(files(fileCount));
    ConvertingView view(&state);
    state.setCurrentFileIndex(index);
    state.setConversionProgress(progress);
    if (secondsLeft >= 0)
        state.setSecondsLeft(secondsLeft);
    QCOMPARE(visibleTexts(&view), expected);
}

void TestConvertingView::gearTurnsWhileConvertingAndRestsUprightAfter()
{
    ScreenState state;
    ConvertingView view(&state);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QImage upright = gearPicture(&view);

    state.setScreen(ScreenState::Screen::Converting);
    QTRY_VERIFY(gearPicture(&view) != upright);

    state.setScreen(ScreenState::Screen::Drop);
    QCOMPARE(gearPicture(&view), upright);
    QCOMPARE(wakeUpSources(&view), 0);
}

void TestConvertingView::idleFaceNeverWakesTheApp()
{
    ScreenState state;
    ConvertingView view(&state);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QImage upright = gearPicture(&view);
    QCOMPARE(wakeUpSources(&view), 0);
    QTest::qWait(250);
    QCOMPARE(gearPicture(&view), upright);
}

void TestConvertingView::startsWhenTheConvertingFaceAppears()
{
    QTemporaryDir dir;
    BatchSession session(QString(), dir.path());
    session.stagedState()->files().replace(files(2));
    RecordedActions actions;
    MainConversionView screen(session.state(), &actions);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto *view = screen.findChild<ConvertingView *>();
    QVERIFY(!view->isVisible());

    session.stagedState()->setScreen(ScreenState::Screen::Converting);
    QVERIFY(view->isVisible());
    const QImage first = gearPicture(view);
    QTRY_VERIFY(gearPicture(view) != first);
}

void TestConvertingView::offScreenNothingWakesTheApp()
{
    QTemporaryDir dir;
    BatchSession session(QString(), dir.path());
    RecordedActions actions;
    ContentView content(session.state(), &actions);
    content.show();
    QVERIFY(QTest::qWaitForWindowExposed(&content));
    ScreenState *state = session.stagedState();
    state->files().replace(files(1));
    state->setScreen(ScreenState::Screen::Converting);
    QPointer<ConvertingView> view = content.findChild<ConvertingView *>();
    QVERIFY(wakeUpSources(view) > 0);

    // Minimised, then back.
    view->hide();
    QCOMPARE(wakeUpSources(view), 0);
    view->show();
    QVERIFY(wakeUpSources(view) > 0);

    // The completion screen can take over while isConverting is still true.
    state->setScreen(ScreenState::Screen::Completion);
    QVERIFY(view);
    QCOMPARE(wakeUpSources(view), 0);
}

void TestConvertingView::gearIsSharpAtTheScreensRatio()
{
    // On an odd logical pixel, which at a ratio of 1.5 falls between two device pixels.
    QWidget window;
    window.setFixedSize(100, 100);
    auto *gear = new SymbolView(QStringLiteral("gear"), 60, Qt::blue, &window);
    gear->move(11, 11);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage shown = window.grab().toImage();
    const qreal ratio = shown.devicePixelRatio();
    QCOMPARE(ratio, qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                        ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                        : 1.0);

    // The drawing rendered at the screen's own resolution, not a smaller one scaled up.
    QImage drawing((QSizeF(gear->size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    drawing.fill(window.palette().color(QPalette::Window));
    QImage shape(drawing.size(), QImage::Format_ARGB32_Premultiplied);
    shape.fill(Qt::transparent);
    QPainter painter(&shape);
    QSvgRenderer(SymbolView::resourcePath(QStringLiteral("gear"))).render(&painter);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(shape.rect(), Qt::blue);
    painter.end();
    QPainter(&drawing).drawImage(0, 0, shape);
    drawing.setDevicePixelRatio(ratio);

    const QPoint corner = (QPointF(gear->pos()) * ratio).toPoint();
    QCOMPARE(shown.copy(QRect(corner, drawing.size())).convertToFormat(drawing.format()), drawing);

    // Turned, it still fills its square, drawn anew for a new palette.
    gear->setRotation(45);
    window.setPalette(QPalette(Qt::darkGray, Qt::darkGray));
    QCOMPARE(window.grab().toImage().pixelColor(corner), QColor(Qt::darkGray));
}

void TestConvertingView::progressIsAnnouncedAFewTimesASecond()
{
    ScreenState state;
    state.files().replace(files(3));
    ConvertingView view(&state);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    QSignalSpy announced(view.findChild<ProgressLabel *>(), &ProgressLabel::announced);
    // The encoder reports tenths of a percent, hundreds of times a second: a change is told at
    // once only where none was told for a while, the rest wait for the interval, and then only
    // the latest is told.
    for (int tenths = 1; tenths <= 600; ++tenths)
        state.setConversionProgress(tenths / 1000.0);
    state.setCurrentFileIndex(2);
    QVERIFY(announced.size() <= 1);

    const QVariantList last = {60, QStringLiteral("File 3 of 3")};
    QTRY_VERIFY(!announced.isEmpty() && announced.last() == last);
    QVERIFY(announced.size() <= 2);
}

QTEST_MAIN(TestConvertingView)
#include "tst_convertingview.moc"
