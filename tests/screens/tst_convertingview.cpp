#include "TemporaryHome.h"
#include "screens/ContentView.h"
#include "screens/ConvertingView.h"
#include "screens/MainConversionView.h"
#include "screens/ScreenState.h"
#include "screens/SymbolView.h"

#include <QAbstractAnimation>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
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

void fireTicks(ConvertingView &view, int count)
{
    auto *timer = view.findChild<QTimer *>();
    for (int i = 0; i < count; ++i)
        QMetaObject::invokeMethod(timer, "timeout");
}

} // namespace

class TestConvertingView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void percentText_data();
    void percentText();
    void texts_data();
    void texts();
    void ticksAddUp();
    void secondStartDoesNotSpeedUp();
    void stopsAndSnapsBackWhenConversionEnds();
    void noTimerWhenShownIdle();
    void startsWhenTheConvertingFaceAppears();
    void hidingStopsTheSpinner();
    void noTimerSurvivesTheScreenBeingReplaced();
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

void TestConvertingView::texts_data()
{
    QTest::addColumn<int>("fileCount");
    QTest::addColumn<qint64>("index");
    QTest::addColumn<double>("progress");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("one file: no counter line")
        << 1 << qint64(0) << 0.5 << QStringList{"Converting...", "50%"};
    QTest::newRow("three files: counter shows the second")
        << 3 << qint64(1) << 0.25 << QStringList{"Converting...", "File 2 of 3", "25%"};
    QTest::newRow("bogus last index does not overflow")
        << 2 << std::numeric_limits<qint64>::max() << 0.0
        << QStringList{"Converting...", "File 9223372036854775807 of 2", "0%"};
}

void TestConvertingView::texts()
{
    QFETCH(int, fileCount);
    QFETCH(qint64, index);
    QFETCH(double, progress);
    QFETCH(QStringList, expected);

    ScreenState state;
    state.setDroppedFiles(files(fileCount));
    ConvertingView view(&state);
    view.setCurrentFileIndex(index);
    view.setConversionProgress(progress);
    QCOMPARE(visibleTexts(&view), expected);
}

void TestConvertingView::ticksAddUp()
{
    ScreenState state;
    ConvertingView view(&state);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.startSpinner();
    // Hold the real timer so that only our ticks count.
    view.findChild<QTimer *>()->stop();

    fireTicks(view, 25);
    QCOMPARE(view.rotationAngle(), 900.0);
    // The gear follows the angle itself, not the angle modulo 360.
    QTRY_COMPARE(view.findChild<SymbolView *>()->rotation(), 900.0);
}

void TestConvertingView::secondStartDoesNotSpeedUp()
{
    ScreenState state;
    ConvertingView view(&state);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    QElapsedTimer clock;
    clock.start();
    view.startSpinner();
    view.startSpinner();
    QTest::qWait(1000);
    const qint64 elapsed = clock.elapsed();

    // A busy machine can only make ticks late, never early: more than one tick per interval
    // means a second timer was running.
    QVERIFY(view.rotationAngle() > 0);
    QVERIFY2(view.rotationAngle() <=
                 ConvertingView::degreesPerTick * (elapsed / ConvertingView::tickIntervalMs + 1),
             qPrintable(QString::number(view.rotationAngle())));
    int activeTimers = 0;
    for (const QTimer *timer : view.findChildren<QTimer *>())
        activeTimers += timer->isActive();
    QCOMPARE(activeTimers, 1);
}

void TestConvertingView::stopsAndSnapsBackWhenConversionEnds()
{
    ScreenState state;
    state.setConverting(true);
    ConvertingView view(&state);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(view.isSpinning());
    fireTicks(view, 3);
    QVERIFY(view.rotationAngle() > 0);

    state.setConverting(false);
    QVERIFY(!view.isSpinning());
    QCOMPARE(view.rotationAngle(), 0.0);
    QCOMPARE(view.findChild<SymbolView *>()->rotation(), 0.0);
    QCOMPARE(wakeUpSources(&view), 0);
}

void TestConvertingView::noTimerWhenShownIdle()
{
    ScreenState state;
    ConvertingView view(&state);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(wakeUpSources(&view), 0);
    QTest::qWait(250);
    QCOMPARE(view.rotationAngle(), 0.0);
}

void TestConvertingView::startsWhenTheConvertingFaceAppears()
{
    ScreenState state;
    state.setDroppedFiles(files(2));
    MainConversionView screen(&state, QStringLiteral("/tmp"), QString());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto *view = screen.findChild<ConvertingView *>();
    QVERIFY(!view->isSpinning());

    state.setConverting(true);
    QVERIFY(view->isVisible());
    QVERIFY(view->isSpinning());
    QTRY_VERIFY(view->rotationAngle() >= 2 * ConvertingView::degreesPerTick);
}

void TestConvertingView::hidingStopsTheSpinner()
{
    ScreenState state;
    state.setConverting(true);
    ConvertingView view(&state);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    fireTicks(view, 1);
    QVERIFY(view.isSpinning());

    view.hide();
    QCOMPARE(wakeUpSources(&view), 0);

    view.show();
    QVERIFY(view.isSpinning());
}

void TestConvertingView::noTimerSurvivesTheScreenBeingReplaced()
{
    TemporaryHome home;
    ContentView content(QString{});
    content.show();
    QVERIFY(QTest::qWaitForWindowExposed(&content));
    content.state()->setDroppedFiles(files(1));
    content.state()->setConverting(true);
    QPointer<ConvertingView> view = content.findChild<ConvertingView *>();
    QVERIFY(view->isSpinning());

    // The completion screen can take over while isConverting is still true.
    content.state()->setShowCompletionView(true);
    QVERIFY(view);
    QCOMPARE(wakeUpSources(view), 0);
}

QTEST_MAIN(TestConvertingView)
#include "tst_convertingview.moc"
