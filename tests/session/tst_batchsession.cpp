// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeEncoderLog.h"
#include "session/BatchProgress.h"
#include "session/BatchSession.h"
#include "session/ScreenState.h"
#include "session/SizeSummary.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The session drives a whole batch without a single widget: what the screens will show is all
// in its state, and arrives in an order no screen can trip over.
class tst_BatchSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stateFollowsABatchToItsCompletion()
    {
        FakeEncoderLog log;
        QTemporaryDir dir;
        BatchSession session(FakeEncoderLog::encoderPath(), dir.filePath(QStringLiteral("out")));
        ScreenState *state = session.stagedState();
        const QList<QUrl> files = {
            FakeEncoderLog::instructedInput(dir.filePath(QStringLiteral("a.mov")), "ok"),
            FakeEncoderLog::instructedInput(dir.filePath(QStringLiteral("b.mov")), "exit 3")};
        state->files().replace(files);

        QSignalSpy indexes(state, &ScreenState::currentFileIndexChanged);
        QSignalSpy progress(state, &ScreenState::conversionProgressChanged);
        // What a completion screen built at that moment would read.
        qsizetype outcomesWhenShown = -1;
        bool convertingWhenShown = true;
        connect(state, &ScreenState::screenChanged, this, [&](ScreenState::Screen screen) {
            if (screen != ScreenState::Screen::Completion)
                return;
            outcomesWhenShown = state->report().fileCount();
            convertingWhenShown = state->files().hasPendingFiles();
        });

        session.startConversion();
        QVERIFY(state->isConverting());
        session.startConversion(); // a second press while it runs starts nothing
        QTRY_VERIFY(state->isOnCompletionScreen());

        QCOMPARE(indexes.size(), 1);
        QCOMPARE(indexes.first().first().toLongLong(), 1);
        QVERIFY(progress.size() >= 2);
        QCOMPARE(outcomesWhenShown, 2);
        QVERIFY(!convertingWhenShown);
        QCOMPARE(state->outputFolder(), QUrl::fromLocalFile(session.outputFolder()));
        QCOMPARE(failedCount(state->files().outcomes()), 1);
        QCOMPARE(state->report().convertedCount(), 1);
        QVERIFY(!state->report().sizeLine().isEmpty());
        QVERIFY(!state->secondsLeft());
        QCOMPARE(log.runCount(), 2);

        // A move to the Trash that ends after the user went back is left to the desktop to tell.
        QSignalSpy toTrash(&session, &BatchSession::originalsToTrash);
        QSignalSpy outOfSight(&session, &BatchSession::trashMovesOutOfSight);
        session.moveOriginalsToTrash();
        QCOMPARE(toTrash.size(), 1);
        session.goBack();
        session.noteTrashMoves(toTrash.first().first().toInt(), {});
        QCOMPARE(outOfSight.size(), 1);
    }

    void timeLeft_data()
    {
        // Per file: "converted", "failed", "waiting" or the running file's fraction done, and
        // after a colon how many seconds it lasts, where that is known of every file.
        QTest::addColumn<QStringList>("stages");
        QTest::addColumn<QList<qint64>>("encoderSeconds"); // per running file; -1: none yet
        QTest::addColumn<qint64>("measuringMs");
        QTest::addColumn<qint64>("expected"); // -1: nothing to say

        // The files are of 1000, 3000 and 500 bytes, or fewer of them.
        const QString waiting = QStringLiteral("waiting");
        const QList<qint64> none = {-1, -1, -1};
        QTest::newRow("one file: at its speed so far")
            << QStringList{"0.5"} << QList<qint64>{40} << qint64(9000) << qint64(9);
        QTest::newRow("one file, no estimate yet: nothing")
            << QStringList{"0"} << none << qint64(500) << qint64(-1);
        QTest::newRow("first of three, too early to know the speed")
            << QStringList{"0.01", waiting, waiting} << QList<qint64>{60} << qint64(1000)
            << qint64(-1);
        QTest::newRow("first of three: every byte left at the speed so far")
            << QStringList{"0.5", waiting, waiting} << QList<qint64>{10} << qint64(10000)
            << qint64(80);
        QTest::newRow("second of three, after the first took 10 s")
            << QStringList{"converted", "0", waiting} << none << qint64(10000) << qint64(35);
        // The later file speeds up once the other ends; the encoders learn that only late.
        QTest::newRow("two at once, none waiting: at the batch's speed, not their estimates")
            << QStringList{"0.5", "0.2"} << QList<qint64>{10, 50} << qint64(5000) << qint64(13);
        QTest::newRow("two at once, before any speed: the later of their estimates")
            << QStringList{"0.5", "0.2"} << QList<qint64>{10, 50} << qint64(1000) << qint64(50);
        QTest::newRow("two at once, one waiting: both count for the speed")
            << QStringList{"0.5", "0.1", waiting} << none << qint64(10000) << qint64(46);
        QTest::newRow("a failed file's time counts, its bytes do not")
            << QStringList{"failed", "0.5", waiting} << none << qint64(10000) << qint64(13);
        QTest::newRow("estimate zero: still nothing negative")
            << QStringList{"1"} << QList<qint64>{0} << qint64(9000) << qint64(0);
        QTest::newRow("estimate beyond belief: nothing")
            << QStringList{"0"} << QList<qint64>{400 * 3600} << qint64(9000) << qint64(-1);
        QTest::newRow("bogus fraction is clamped")
            << QStringList{"7.5", waiting, waiting} << QList<qint64>{10} << qint64(10000)
            << qint64(35);
        // A long clip takes longer than a short one of more bytes.
        QTest::newRow("mixed lengths: seconds of video, not bytes")
            << QStringList{"converted:60", "0.5:10", "waiting:30"} << none << qint64(20000)
            << qint64(11);
        QTest::newRow("before any speed: at the encoder's pace")
            << QStringList{"0.1:10", "waiting:20"} << QList<qint64>{9} << qint64(1000)
            << qint64(29);
    }

    void timeLeft()
    {
        QFETCH(QStringList, stages);
        QFETCH(QList<qint64>, encoderSeconds);
        QFETCH(qint64, measuringMs);
        QFETCH(qint64, expected);
        QCOMPARE(
            BatchProgress::secondsLeft(filesAt(stages, encoderSeconds), measuringMs).value_or(-1),
            expected);
    }

    void batchShareWeighsEachFileByItsLength_data()
    {
        QTest::addColumn<QStringList>("stages"); // as for the time left
        QTest::addColumn<int>("percent");

        QTest::newRow("lengths unknown: files alike")
            << QStringList{"converted", "0.5", "waiting"} << 50;
        QTest::newRow("a long clip done, a short one half")
            << QStringList{"converted:60", "0.5:10", "waiting:30"} << 65;
        QTest::newRow("two at once, the later done first")
            << QStringList{"0.5:100", "converted:10", "waiting:10"} << 50;
    }

    void batchShareWeighsEachFileByItsLength()
    {
        QFETCH(QStringList, stages);
        QFETCH(int, percent);
        QCOMPARE(int(BatchProgress::fraction(filesAt(stages, {})) * 100), percent);
    }

    static QList<BatchFile> filesAt(const QStringList &stages, const QList<qint64> &encoderSeconds)
    {
        using Stage = BatchFile::Stage;
        const QList<qint64> sizes = {1000, 3000, 500};
        QList<BatchFile> files;
        for (qsizetype i = 0; i < stages.size(); ++i) {
            const QString stage = stages[i].section(':', 0, 0);
            BatchFile file;
            file.size = sizes[i];
            file.stage = Stage::Waiting;
            if (stages[i].contains(':')) {
                file.media.emplace();
                file.media->durationMs = stages[i].section(':', 1).toLongLong() * 1000;
            }
            if (stage == QLatin1String("converted") || stage == QLatin1String("failed")) {
                file.stage = Stage::Finished;
                if (stage == QLatin1String("failed"))
                    file.outcome.failure = FileOutcome::Failure::ExitStatus;
            } else if (stage != QLatin1String("waiting")) {
                file.stage = Stage::Converting;
                file.fraction = stage.toDouble();
                if (encoderSeconds.value(i, -1) >= 0)
                    file.encoderSecondsLeft = encoderSeconds[i];
            }
            files.append(file);
        }
        return files;
    }

    void sizeSummary_data()
    {
        QTest::addColumn<QList<qint64>>("inputs");  // bytes; -1: gone by the end
        QTest::addColumn<QList<qint64>>("outputs"); // bytes; -1: gone by the end
        QTest::addColumn<QString>("expected");

        QTest::newRow("smaller") << QList<qint64>{2'000'000, 1'100'000}
                                 << QList<qint64>{300'000, 240'000}
                                 << QStringLiteral("3.1 MB → 540.0 kB, 83% smaller");
        QTest::newRow("larger, said honestly") << QList<qint64>{12'000} << QList<qint64>{15'000}
                                               << QStringLiteral("12.0 kB → 15.0 kB, 25% larger");
        QTest::newRow("same size") << QList<qint64>{1000} << QList<qint64>{1001}
                                   << QStringLiteral("1.0 kB → 1.0 kB, about the same size");
        QTest::newRow("empty input: no share")
            << QList<qint64>{0} << QList<qint64>{9} << QStringLiteral("0 bytes → 9 bytes");
        QTest::newRow("vanished output is left out")
            << QList<qint64>{5000, 7000} << QList<qint64>{-1, 1000}
            << QStringLiteral("7.0 kB → 1.0 kB, 86% smaller");
        QTest::newRow("all vanished: no line")
            << QList<qint64>{-1} << QList<qint64>{500} << QString();
    }

    void sizeSummary()
    {
        QFETCH(QList<qint64>, inputs);
        QFETCH(QList<qint64>, outputs);
        QFETCH(QString, expected);

        QTemporaryDir dir;
        const auto file = [&dir](const QString &name, qint64 size) {
            const QString path = dir.filePath(name);
            QFile f(path);
            if (size >= 0 && (!f.open(QIODevice::WriteOnly) || !f.resize(size)))
                qFatal("cannot make %s", qPrintable(path));
            return path;
        };
        BatchOutcomes outcomes;
        for (qsizetype i = 0; i < inputs.size(); ++i) {
            const QString name = QString::number(i);
            outcomes.append({QUrl::fromLocalFile(file(name + ".mov", inputs[i])),
                             file(name + ".mp4", outputs[i]), FileOutcome::Failure::None, 0});
        }
        // Failed files gain nothing, whatever their sizes.
        outcomes.append({QUrl::fromLocalFile(file("failed.mov", 1000)), QString(),
                         FileOutcome::Failure::ExitStatus, 1});
        const SizeSummary summary = SizeSummary::measure(outcomes);
        QCOMPARE(summary.text(), expected);
        QCOMPARE(summary.grownNames,
                 expected.contains("larger") ? QStringList{"0.mov"} : QStringList());
    }
};

QTEST_GUILESS_MAIN(tst_BatchSession)
#include "tst_batchsession.moc"
