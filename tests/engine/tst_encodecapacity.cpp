// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/EncodeCapacity.h"
#include "engine/EncodePace.h"

#include <QTest>

#include <sched.h>

using Reports = QList<std::pair<double, qint64>>;

class tst_EncodeCapacity : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void countsOnlyTheCoresThisProcessMayUse()
    {
        cpu_set_t all;
        QCOMPARE(::sched_getaffinity(0, sizeof all, &all), 0);
        cpu_set_t one;
        CPU_ZERO(&one);
        for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
            if (CPU_ISSET(cpu, &all)) {
                CPU_SET(cpu, &one);
                break;
            }
        }
        QCOMPARE(::sched_setaffinity(0, sizeof one, &one), 0);
        const int encodes = EncodeCapacity::ofThisMachine().maxEncodes();
        ::sched_setaffinity(0, sizeof all, &all);
        QCOMPARE(encodes, 1);
    }

    void anotherStartsOnlyIfAllCanGrowToTheirBudget_data()
    {
        constexpr qint64 budget = EncodeCapacity::bytesPerEncode;
        QTest::addColumn<qint64>("available");
        QTest::addColumn<QList<qint64>>("running");
        QTest::addColumn<bool>("fits");
        QTest::newRow("plenty") << 8 * budget << QList<qint64>{budget / 8} << true;
        QTest::newRow("running one has grown already")
            << budget << QList<qint64>{2 * budget} << true;
        QTest::newRow("running one has yet to grow")
            << 3 * budget / 2 << QList<qint64>{budget / 8} << false;
        QTest::newRow("unknown") << qint64(-1) << QList<qint64>{0} << false;
    }

    void anotherStartsOnlyIfAllCanGrowToTheirBudget()
    {
        QFETCH(qint64, available);
        QFETCH(QList<qint64>, running);
        QFETCH(bool, fits);
        QCOMPARE(EncodeCapacity::fitsInMemory(available, running), fits);
    }

    void firstAlwaysStartsAndNoMoreThanTheCoresAllow()
    {
        QVERIFY(EncodeCapacity(2).allowsAnother({}));
        QVERIFY(!EncodeCapacity(2).allowsAnother({0, 0}));
    }

    // Reports of (share done, ms since launch); a negative share is a resume. The first report
    // comes 500 ms after the launch, so an encode is ending with at most 1000 ms left.
    void nextBeginsAsTheRunningEncodeHasNoLongerLeftThanItTookToOpen_data()
    {
        QTest::addColumn<Reports>("reports");
        QTest::addColumn<qint64>("msLeft"); // -1: unknown
        QTest::addColumn<bool>("ending");
        QTest::newRow("one report") << Reports{{0.05, 500}} << qint64(-1) << false;
        QTest::newRow("far from the end")
            << Reports{{0.1, 500}, {0.2, 1500}} << qint64(8000) << false;
        QTest::newRow("two openings left")
            << Reports{{0.1, 500}, {0.9, 8500}} << qint64(1000) << true;
        QTest::newRow("all encoded") << Reports{{1.0, 500}} << qint64(0) << true;
        QTest::newRow("a pause is no part of the pace")
            << Reports{{0.1, 500}, {0.9, 8500}, {-1, 0}, {0.9, 60000}, {0.96, 60600}} << qint64(400)
            << true;
    }

    void nextBeginsAsTheRunningEncodeHasNoLongerLeftThanItTookToOpen()
    {
        QFETCH(Reports, reports);
        QFETCH(qint64, msLeft);
        QFETCH(bool, ending);
        EncodePace pace;
        for (const auto &[fraction, atMs] : reports)
            fraction < 0 ? pace.resumed() : pace.progressed(fraction, atMs);
        QCOMPARE(pace.msLeft().value_or(-1), msLeft);
        QCOMPARE(pace.isEnding(), ending);
        // A next file of a quarter the pictures opens in a quarter the time; an end is an end.
        QCOMPARE(pace.isEnding(0.25), ending && msLeft == 0);
    }
};

QTEST_GUILESS_MAIN(tst_EncodeCapacity)
#include "tst_encodecapacity.moc"
