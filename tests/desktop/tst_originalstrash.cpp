// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SampleMedia.h"
#include "TemporaryHome.h"
#include "desktop/OriginalsTrash.h"

#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

// The desktop's Trash takes an original only when its converted file is the same clip, and gives
// it back unless its name has been taken since; nothing is ever deleted.
class tst_OriginalsTrash : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checkedOriginalGoesAndComesBackUnlessItsNameIsTaken_data()
    {
        QTest::addColumn<bool>("sameClip");
        QTest::addColumn<bool>("nameTaken");
        QTest::newRow("same clip, put back") << true << false;
        QTest::newRow("same clip, its name taken since") << true << true;
        QTest::newRow("converted file is not the clip: the original stays") << false << false;
    }

    void checkedOriginalGoesAndComesBackUnlessItsNameIsTaken()
    {
        QFETCH(bool, sameClip);
        QFETCH(bool, nameTaken);
        const TemporaryHome home; // the Trash is the one in its XDG_DATA_HOME
        const QString clip = home.path() + QStringLiteral("/holiday.mkv");
        const QString converted = home.path() + QStringLiteral("/holiday_converted.mp4");
        QVERIFY(SampleMedia::makeMovie(clip, "320x240", 25, 1));
        // Dated as the converter dates it: by the original's modification time.
        const QString recorded = QFileInfo(clip).lastModified().toUTC().toString(Qt::ISODate);
        if (sameClip)
            QCOMPARE(
                QProcess::execute("ffmpeg", {"-v", "error", "-i", clip, "-c", "copy", "-metadata",
                                             "creation_time=" + recorded, converted}),
                0);
        else
            QVERIFY(SampleMedia::makeText(converted));

        OriginalsTrash trash;
        QSignalSpy moved(&trash, &OriginalsTrash::moved);
        trash.moveToTrash(7, {{clip, QFileInfo(clip).size(), std::nullopt, converted}});
        // The answer may come at once, where the work was done before it was waited for.
        QTRY_COMPARE_WITH_TIMEOUT(moved.size(), 1, 30000);
        QCOMPARE(moved.first().at(0).toInt(), 7);
        const auto moves = moved.first().at(1).value<TrashOffer::Moves>();
        QCOMPARE(moves.moved.size(), sameClip ? 1 : 0);
        QCOMPARE(moves.unchecked, sameClip ? 0 : 1);
        const QString inTrash =
            home.path() + QStringLiteral("/.local/share/Trash/files/holiday.mkv");
        QCOMPARE(QFileInfo::exists(inTrash), sameClip);
        QCOMPARE(QFileInfo::exists(clip), !sameClip);
        if (!sameClip)
            return;

        if (nameTaken)
            QVERIFY(SampleMedia::makeText(clip));
        QSignalSpy returned(&trash, &OriginalsTrash::returned);
        trash.putBack(7, moves.moved);
        QTRY_COMPARE_WITH_TIMEOUT(returned.size(), 1, 30000);
        const auto returns = returned.first().at(1).value<TrashOffer::Returns>();
        QCOMPARE(returns.putBack, nameTaken ? 0 : 1);
        QCOMPARE(returns.nameTaken, nameTaken ? 1 : 0);
        QCOMPARE(QFileInfo::exists(inTrash), nameTaken);
        QCOMPARE(QFileInfo::exists(home.path() + "/.local/share/Trash/info/holiday.mkv.trashinfo"),
                 nameTaken);
        QCOMPARE(QFileInfo(clip).size() > 1000, !nameTaken);
    }
};

QTEST_GUILESS_MAIN(tst_OriginalsTrash)
#include "tst_originalstrash.moc"
