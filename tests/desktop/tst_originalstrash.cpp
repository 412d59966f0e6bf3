// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SampleMedia.h"
#include "TemporaryHome.h"
#include "desktop/OriginalsTrash.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

namespace {

QByteArray sha256(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

// What a file manager sees: GIO's own reading of the Trash, on a bus of its own.
QString gio(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("dbus-run-session"),
                  QStringList{QStringLiteral("--"), QStringLiteral("gio")} + arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

// The desktop's Trash takes an original only when it is still the file that was converted and
// its converted file is the same clip; what it takes, any file manager lists and puts back
// whole; what it cannot take whole, it refuses at once. Nothing is ever deleted.
class tst_OriginalsTrash : public QObject
{
    Q_OBJECT

    TrashOffer::Moves move(OriginalsTrash &trash, const TrashOffer::Original &original)
    {
        QSignalSpy moved(&trash, &OriginalsTrash::moved);
        trash.moveToTrash(7, {original});
        // The answer may come at once, where the work was done before it was waited for.
        [&] { QTRY_COMPARE_WITH_TIMEOUT(moved.size(), 1, 30000); }();
        return moved.isEmpty() ? TrashOffer::Moves()
                               : moved.first().at(1).value<TrashOffer::Moves>();
    }

    TrashOffer::Original convertedOriginal(const QString &clip, const QString &converted,
                                           const QStringList &leavingOut)
    {
        // Dated as the converter dates it: by the original's modification time.
        const QString recorded = QFileInfo(clip).lastModified().toUTC().toString(Qt::ISODate);
        QProcess::execute("ffmpeg", QStringList{"-v", "error", "-i", clip, "-c", "copy",
                                                "-metadata", "creation_time=" + recorded} +
                                        leavingOut + QStringList{converted});
        return {clip, QFileInfo(clip).size(), *FileVersion::ofRegularFile(QFile::encodeName(clip)),
                std::nullopt, converted};
    }

private Q_SLOTS:
    void onlyTheConvertedOriginalGoesAndComesBack_data()
    {
        QTest::addColumn<QString>("name");
        // "", "not the clip", "replaced", "chapters lost"
        QTest::addColumn<QString>("afterConversion");
        QTest::addColumn<QString>("beforeUndo"); // "", "name taken", "put back by hand"
        QTest::newRow("same clip, put back") << "holiday.mkv"
                                             << ""
                                             << "";
        QTest::newRow("same clip, its name taken since") << "holiday.mkv"
                                                         << ""
                                                         << "name taken";
        QTest::newRow("put back from the Trash by hand, then Undo") << "holiday.mkv"
                                                                    << ""
                                                                    << "put back by hand";
        QTest::newRow("a name any file manager must read back") << "a b%41 %20.mkv"
                                                                << ""
                                                                << "put back by hand";
        QTest::newRow("converted file is not the clip: the original stays") << "holiday.mkv"
                                                                            << "not the clip"
                                                                            << "";
        QTest::newRow("original replaced since its conversion: it stays") << "holiday.mkv"
                                                                          << "replaced"
                                                                          << "";
        QTest::newRow("converted file lacks the chapters: the original stays") << "holiday.mkv"
                                                                               << "chapters lost"
                                                                               << "";
    }

    void onlyTheConvertedOriginalGoesAndComesBack()
    {
        QFETCH(QString, name);
        QFETCH(QString, afterConversion);
        QFETCH(QString, beforeUndo);
        const TemporaryHome home; // the Trash is the one in its XDG_DATA_HOME
        const QString clip = home.path() + u'/' + name;
        QVERIFY(SampleMedia::makeMovie(clip, "320x240", 25, 1));
        const bool chaptersLost = afterConversion == QLatin1String("chapters lost");
        if (chaptersLost) {
            const QString marks = home.path() + QStringLiteral("/marks.txt");
            QVERIFY(SampleMedia::makeText(marks,
                                          ";FFMETADATA1\n[CHAPTER]\nTIMEBASE=1/10\nSTART=0\n"
                                          "END=5\n[CHAPTER]\nTIMEBASE=1/10\nSTART=5\nEND=10\n"));
            QCOMPARE(QProcess::execute("ffmpeg",
                                       {"-v", "error", "-i", clip, "-f", "ffmetadata", "-i", marks,
                                        "-map_chapters", "1", "-c", "copy", clip + ".mkv"}),
                     0);
            QVERIFY(QFile::remove(clip) && QFile::rename(clip + ".mkv", clip));
        }
        const QString converted = home.path() + QStringLiteral("/holiday_converted.mp4");
        const TrashOffer::Original original = convertedOriginal(
            clip, converted, chaptersLost ? QStringList{"-map_chapters", "-1"} : QStringList());
        if (afterConversion == QLatin1String("not the clip"))
            QVERIFY(QFile::remove(converted) && SampleMedia::makeText(converted));
        if (afterConversion == QLatin1String("replaced"))
            QVERIFY(QFile::remove(clip) && SampleMedia::makeMovie(clip, "320x240", 25, 2));
        const QByteArray bytes = sha256(clip);

        OriginalsTrash trash;
        const TrashOffer::Moves moves = move(trash, original);
        const bool goes = afterConversion.isEmpty();
        QCOMPARE(moves.moved.size(), goes ? 1 : 0);
        QCOMPARE(moves.unchecked + moves.changed + moves.incomplete, goes ? 0 : 1);
        QCOMPARE(moves.incomplete, chaptersLost ? 1 : 0);
        QCOMPARE(QFileInfo::exists(clip), !goes);
        if (!goes) {
            QCOMPARE(sha256(clip), bytes);
            return;
        }
        const QString inTrash = moves.moved.first().inTrash;
        QCOMPARE(inTrash, home.path() + QStringLiteral("/.local/share/Trash/files/") + name);

        if (beforeUndo == QLatin1String("name taken"))
            QVERIFY(SampleMedia::makeText(clip));
        if (beforeUndo == QLatin1String("put back by hand")) {
            const QString listed = gio({QStringLiteral("trash"), QStringLiteral("--list")});
            const QStringList entry = listed.left(listed.lastIndexOf(u'\n')).split(u'\t');
            QCOMPARE(entry.value(1), clip);
            gio({QStringLiteral("trash"), QStringLiteral("--restore"), entry.value(0)});
            QCOMPARE(sha256(clip), bytes);
        }
        QSignalSpy returned(&trash, &OriginalsTrash::returned);
        trash.putBack(7, moves.moved);
        QTRY_COMPARE_WITH_TIMEOUT(returned.size(), 1, 30000);
        const auto returns = returned.first().at(1).value<TrashOffer::Returns>();
        const bool nameTaken = beforeUndo == QLatin1String("name taken");
        QCOMPARE(returns.putBack, nameTaken ? 0 : 1);
        QCOMPARE(returns.nameTaken, nameTaken ? 1 : 0);
        QCOMPARE(QFileInfo::exists(inTrash), nameTaken);
        QCOMPARE(QDir(home.path() + "/.local/share/Trash/info").isEmpty(), !nameTaken);
        QCOMPARE(sha256(clip) == bytes, !nameTaken);
    }

    // On a drive of its own, which can be made full or given a Trash it cannot write to.
    void aTrashThatCannotTakeTheFileWholeRefusesAtOnce_data()
    {
        QTest::addColumn<bool>("driveFull");
        QTest::newRow("the drive is full") << true;
        QTest::newRow("the Trash's notes cannot be written") << false;
    }

    void aTrashThatCannotTakeTheFileWholeRefusesAtOnce()
    {
        QFETCH(bool, driveFull);
        const TemporaryHome home;
        const QString drive = home.path() + QStringLiteral("/drive");
        QVERIFY(QDir().mkpath(drive));
        QVERIFY2(QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=2m", "tmpfs", drive}) == 0,
                 "mounting a small drive needs root, as CI and make test have");
        const auto unmount = qScopeGuard([&] {
            QProcess::execute("umount",
                              {drive + "/.Trash-" + QString::number(::getuid()) + "/info"});
            QProcess::execute("umount", {drive});
        });
        const QString clip = drive + QStringLiteral("/holiday.mkv");
        QVERIFY(SampleMedia::makeMovie(clip, "320x240", 25, 1));
        const TrashOffer::Original original =
            convertedOriginal(clip, home.path() + QStringLiteral("/holiday_converted.mp4"), {});
        const QString notes = drive + "/.Trash-" + QString::number(::getuid()) + "/info";
        if (driveFull) {
            QFile filler(drive + QStringLiteral("/filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly));
            const QByteArray block(4096, 'x');
            while (filler.write(block) == block.size() && filler.flush()) {
            }
        } else {
            QVERIFY(QDir().mkpath(notes));
            QCOMPARE(QProcess::execute("mount", {"--bind", notes, notes}), 0);
            QCOMPARE(QProcess::execute("mount", {"-o", "remount,ro,bind", notes}), 0);
        }
        const QByteArray bytes = sha256(clip);

        OriginalsTrash trash;
        const TrashOffer::Moves moves = move(trash, original);
        QCOMPARE(moves.refused, 1);
        QCOMPARE(sha256(clip), bytes);
        QVERIFY(QDir(notes).isEmpty());
        QVERIFY(QDir(drive + "/.Trash-" + QString::number(::getuid()) + "/files").isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_OriginalsTrash)
#include "tst_originalstrash.moc"
