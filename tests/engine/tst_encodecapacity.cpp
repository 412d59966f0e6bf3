// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/EncodeCapacity.h"

#include <QTest>

#include <sched.h>

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
};

QTEST_GUILESS_MAIN(tst_EncodeCapacity)
#include "tst_encodecapacity.moc"
