// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EngineBatch.h"
#include "FakeEncoderLog.h"
#include "FilePermissions.h"
#include "engine/ConvertedFileNaming.h"

#include <QDateTime>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

using Failure = FileOutcome::Failure;

class tst_BatchConverter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void namesOutputs_data();
    void namesOutputs();
    void emptyListDoesNothing();
    void startEncodesLaterAndAgainAfterABatch();
    void convertsOneAfterAnotherPastFailures();
    void twoAtOnceKeepNamesOrderAndFailuresApart();
    void unusableSetupFailsEveryFileAndFinishes_data();
    void unusableSetupFailsEveryFileAndFinishes();
    void shortensNamesThatWouldNotFit_data();
    void shortensNamesThatWouldNotFit();
    void neverOverwritesOrTouchesExistingFiles();
    void survivesChangesMidBatch_data();
    void survivesChangesMidBatch();
    void cancelStopsEncoderAndSkipsTheRest_data();
    void cancelStopsEncoderAndSkipsTheRest();
    void deletingMidEncodeLeavesNoProcessAndNoPartialFile();
    void fileThatCrashesTheMediaReaderFailsAlone();

private:
    QUrl input(const QString &name, const QByteArray &instruction);
    QStringList outputFiles(QDir::Filters filters = QDir::Files | QDir::Hidden) const;
    static QList<qsizetype> indexes(const QSignalSpy &spy);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_outputFolder;
    bool m_permissionsBind = false;
};

void tst_BatchConverter::initTestCase()
{
    m_permissionsBind = makeFilePermissionsBind();
}

void tst_BatchConverter::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_outputFolder = m_dir->filePath(QStringLiteral("Clipforger"));
    QDir().mkpath(m_outputFolder);
}

QUrl tst_BatchConverter::input(const QString &name, const QByteArray &instruction)
{
    const QString path = m_dir->filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    return FakeEncoderLog::instructedInput(path, instruction);
}

QStringList tst_BatchConverter::outputFiles(QDir::Filters filters) const
{
    return QDir(m_outputFolder).entryList(filters, QDir::Name);
}

QList<qsizetype> tst_BatchConverter::indexes(const QSignalSpy &spy)
{
    QList<qsizetype> list;
    for (const QList<QVariant> &signal : spy)
        list.append(signal.first().value<qsizetype>());
    return list;
}

void tst_BatchConverter::namesOutputs_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");

    QTest::newRow("only the last extension goes")
        << QStringLiteral("holiday.trip.mkv") << QStringLiteral("holiday.trip_converted.mp4");
    QTest::newRow("no extension") << QStringLiteral("video")
                                  << QStringLiteral("video_converted.mp4");
    QTest::newRow("mp4 input") << QStringLiteral("clip.mp4")
                               << QStringLiteral("clip_converted.mp4");
    QTest::newRow("leading dot is not an extension")
        << QStringLiteral(".hidden") << QStringLiteral(".hidden_converted.mp4");
    QTest::newRow("hidden file with extension")
        << QStringLiteral(".hidden.mkv") << QStringLiteral(".hidden_converted.mp4");
}

void tst_BatchConverter::namesOutputs()
{
    QFETCH(QString, input);
    QFETCH(QString, output);
    QCOMPARE(ConvertedFileNaming::convertedFileName(input), output);
}

void tst_BatchConverter::emptyListDoesNothing()
{
    FakeEncoderLog log;
    EngineBatch batch(FakeEncoderLog::encoderPath(), m_outputFolder);
    QSignalSpy finished(&batch.converter, &BatchConverter::finished);

    batch.start({});

    QVERIFY(!batch.converter.isRunning());
    QCoreApplication::sendPostedEvents(); // what it may have left for the event loop
    QVERIFY(finished.isEmpty());
    QCOMPARE(log.runCount(), 0);
}

void tst_BatchConverter::startEncodesLaterAndAgainAfterABatch()
{
    FakeEncoderLog log;
    EngineBatch batch(FakeEncoderLog::encoderPath(), m_outputFolder);
    QSignalSpy finished(&batch.converter, &BatchConverter::finished);
    batch.start({input(QStringLiteral("a.mov"), "ok"), input(QStringLiteral("b.mov"), "ok")});
    QVERIFY(batch.converter.isRunning());
    QCOMPARE(log.runCount(), 0);
    QVERIFY(finished.wait(10000));

    batch.start({input(QStringLiteral("c.mov"), "ok")});

    QVERIFY(finished.wait(10000));
    QCOMPARE(log.runCount(), 3);
    QCOMPARE(batch.failures(), QList<Failure>({Failure::None}));
}

void tst_BatchConverter::convertsOneAfterAnotherPastFailures()
{
    FakeEncoderLog log;
    EngineBatch batch(FakeEncoderLog::encoderPath(), m_outputFolder);
    QSignalSpy progress(&batch.converter, &BatchConverter::fileProgressed);
    QSignalSpy finished(&batch.converter, &BatchConverter::finished);
    const QList<QUrl> files = {
        input(QStringLiteral("first.mov"), "ok"),
        input(QStringLiteral("exit.mov"), "exit 3"),
        input(QStringLiteral("signal.mov"), "signal 9"),
        input(QStringLiteral("partial.mov"), "partial"),
        input(QStringLiteral("empty.mov"), "no-output"),
        input(QStringLiteral("last.mov"), "ok"),
    };

    batch.start(files);

    QVERIFY(finished.wait(30000));
    QCOMPARE(finished.size(), 1);
    QVERIFY(!batch.converter.isRunning());
    QVERIFY2(!log.overlapped(), "two encoders ran at once");
    QCOMPARE(log.runCount(), 6);
    QCOMPARE(batch.started, QList<qsizetype>({0, 1, 2, 3, 4, 5}));
    QVERIFY(!progress.isEmpty());

    const BatchOutcomes outcomes = batch.outcomes();
    QCOMPARE(batch.failures(),
             QList<Failure>({Failure::None, Failure::ExitStatus, Failure::Signal,
                             Failure::ExitStatus, Failure::NoOutput, Failure::None}));
    QCOMPARE(outcomes.at(1).detail, 3);
    QCOMPARE(outcomes.at(1).encoderLines.last(), QStringLiteral("HandBrake has exited."));
    QVERIFY(outcomes.at(0).encoderLines.isEmpty());
    QCOMPARE(outcomes.at(2).detail, 9);
    for (qsizetype i = 0; i < files.size(); ++i)
        QCOMPARE(outcomes.at(i).input, files.at(i));
    QCOMPARE(outcomes.at(0).outputPath, m_outputFolder + "/first_converted.mp4");
    QVERIFY(outcomes.at(1).outputPath.isEmpty());
    // Failed encodes leave nothing behind, neither partial nor empty files.
    QCOMPARE(outputFiles(), QStringList({QStringLiteral("first_converted.mp4"),
                                         QStringLiteral("last_converted.mp4")}));
}

void tst_BatchConverter::twoAtOnceKeepNamesOrderAndFailuresApart()
{
    FakeEncoderLog log;
    EngineBatch batch(FakeEncoderLog::encoderPath(), m_outputFolder);
    batch.converter.setCapacity(EncodeCapacity(2));
    QSignalSpy finished(&batch.converter, &BatchConverter::finished);
    const QList<QUrl> files = {
        input(QStringLiteral("a/clip.mov"), "ok"), input(QStringLiteral("b/clip.mov"), "ok"),
        input(QStringLiteral("slow.mov"), "wait-for " + m_dir->filePath("go").toUtf8()),
        input(QStringLiteral("failing.mov"), "exit 3"), input(QStringLiteral("last.mov"), "ok")};

    batch.start(files);
    // The slow file holds one place; the others pass through the second, past a failure.
    QTRY_COMPARE_WITH_TIMEOUT(batch.ended.size(), 4, 20000);
    QVERIFY(FakeEncoderLog::isAlive(log.pidFor(files.at(2))));
    QFile(m_dir->filePath("go")).open(QIODevice::WriteOnly);

    QVERIFY(finished.wait(10000));
    QVERIFY2(log.overlapped(), "the encoders ran one at a time");
    QCOMPARE(log.runCount(), 5);
    QCOMPARE(batch.started, QList<qsizetype>({0, 1, 2, 3, 4}));
    QCOMPARE(batch.ended.last(), 2);
    const BatchOutcomes outcomes = batch.outcomes();
    QCOMPARE(batch.failures(), QList<Failure>({Failure::None, Failure::None, Failure::None,
                                               Failure::ExitStatus, Failure::None}));
    for (qsizetype i = 0; i < files.size(); ++i)
        QCOMPARE(outcomes.at(i).input, files.at(i));
    QCOMPARE(QSet<QString>({QFileInfo(outcomes.at(0).outputPath).fileName(),
                            QFileInfo(outcomes.at(1).outputPath).fileName()}),
             QSet<QString>({"clip_converted.mp4", "clip_converted (2).mp4"}));
    QCOMPARE(outputFiles(), QStringList({"clip_converted (2).mp4", "clip_converted.mp4",
                                         "last_converted.mp4", "slow_converted.mp4"}));
}

void tst_BatchConverter::unusableSetupFailsEveryFileAndFinishes_data()
{
    QTest::addColumn<bool>("encoderExists");
    QTest::addColumn<bool>("folderUsable");
    QTest::addColumn<QString>("name");
    QTest::addColumn<Failure>("failure");

    const QString plain = QStringLiteral("a.mov");
    QTest::newRow("missing encoder") << false << true << plain << Failure::EncoderMissing;
    QTest::newRow("output folder is a file") << true << false << plain << Failure::OutputUnwritable;
}

void tst_BatchConverter::unusableSetupFailsEveryFileAndFinishes()
{
    QFETCH(bool, encoderExists);
    QFETCH(bool, folderUsable);
    QFETCH(QString, name);
    QFETCH(Failure, failure);
    FakeEncoderLog log;
    const QString folder =
        folderUsable ? m_outputFolder : input(QStringLiteral("x"), "").toLocalFile();
    EngineBatch batch(encoderExists ? FakeEncoderLog::encoderPath() : m_dir->filePath("nothing"),
                      folder);
    QSignalSpy finished(&batch.converter, &BatchConverter::finished);

    batch.start(
        {input(QStringLiteral("1/") + name, "ok"), input(QStringLiteral("2/") + name, "ok")});

    QVERIFY(finished.wait(10000));
    QCOMPARE(batch.failures(), QList<Failure>({failure, failure}));
    QCOMPARE(log.runCount(), 0);
    QCOMPARE(outputFiles(), QStringList());
}

void tst_BatchConverter::shortensNamesThatWouldNotFit_data()
{
    QTest::addColumn<QString>("base");

    // These failed: "_converted.mp4" took the name past 255 bytes, or " (2)" did the second time,
    // or a name that fitted whole was cut for a " (2)" it did not have.
    QTest::newRow("ASCII") << QString(246, u'n');
    QTest::newRow("fits once, not with (2)") << QString(240, u'n');
    QTest::newRow("two-byte letters") << QString(120, u'é');
    QTest::newRow("three-byte letters") << QString(80, u'東');
    QTest::newRow("surrogate pairs") << QStringLiteral("🎬").repeated(60);
    QTest::newRow("letters with accents") << QStringLiteral("e\u0301").repeated(80);
}

void tst_BatchConverter::shortensNamesThatWouldNotFit()
{
    QFETCH(QString, base);
    FakeEncoderLog log;
    const QList<QUrl> sameFile = {input(base + QStringLiteral(".mov"), "ok")};
    // Two batches at once race for the same name.
    EngineBatch first(FakeEncoderLog::encoderPath(), m_outputFolder);
    EngineBatch second(FakeEncoderLog::encoderPath(), m_outputFolder);
    QSignalSpy firstFinished(&first.converter, &BatchConverter::finished);
    QSignalSpy secondFinished(&second.converter, &BatchConverter::finished);

    first.start(sameFile);
    second.start(sameFile);

    QVERIFY(secondFinished.wait(10000));
    QTRY_VERIFY(!first.converter.isRunning());
    QCOMPARE(first.failures() + second.failures(), QList<Failure>(2, Failure::None));
    const QStringList names = outputFiles();
    QCOMPARE(names.size(), 2);
    QStringList tails;
    for (const QString &name : names) {
        const QString tail =
            QString::fromUtf8(name.endsWith(u" (2).mp4") ? "_converted (2).mp4" : "_converted.mp4");
        tails.append(tail);
        const QString stem = name.chopped(tail.size());
        const qsizetype bytes = QFile::encodeName(name).size();
        QCOMPARE_LE(bytes, 255);
        // Whole where it fits; else cut no further than this name needs, at most one letter
        // (up to 4 bytes) short of the limit.
        if (QFile::encodeName(base + tail).size() <= 255) {
            QCOMPARE(stem, base);
            continue;
        }
        QVERIFY(stem.endsWith(u'…'));
        QCOMPARE_GT(bytes, 255 - 4);
        const QString kept = stem.chopped(1);
        QVERIFY(base.startsWith(kept));
        QVERIFY2(!base.at(kept.size()).isLowSurrogate() && !base.at(kept.size()).isMark(),
                 "a character was split");
    }
    QCOMPARE(QSet<QString>(tails.cbegin(), tails.cend()).size(), 2);
}

void tst_BatchConverter::neverOverwritesOrTouchesExistingFiles()
{
    FakeEncoderLog log;
    const QDateTime past = QDateTime::currentDateTime().addDays(-3);
    const QStringList existing = {QStringLiteral("clip_converted.mp4"),
                                  QStringLiteral("clip_converted (3).mp4")};
    QList<QUrl> files = {input(QStringLiteral("a/clip.mov"), "ok"),
                         input(QStringLiteral("b/clip.avi"), "ok"),
                         input(QStringLiteral("c/clip"), "ok")};
    QStringList untouched;
    for (const QString &name : existing) {
        QFile file(QDir(m_outputFolder).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("earlier result");
        untouched.append(file.fileName());
    }
    for (const QUrl &url : files)
        untouched.append(url.toLocalFile());
    QHash<QString, QByteArray> contents;
    for (const QString &path : untouched) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(past, QFileDevice::FileModificationTime));
        contents.insert(path, file.readAll());
    }
    EngineBatch batch(FakeEncoderLog::encoderPath(), m_outputFolder);
    QSignalSpy finished(&batch.converter, &BatchConverter::finished);

    batch.start(files);

    QVERIFY(finished.wait(20000));
    QCOMPARE(batch.failures(), QList<Failure>(3, Failure::None));
    const BatchOutcomes outcomes = batch.outcomes();
    const QStringList expected = {QStringLiteral("clip_converted (2).mp4"),
                                  QStringLiteral("clip_converted (4).mp4"),
                                  QStringLiteral("clip_converted (5).mp4")};
    for (int i = 0; i < 3; ++i) {
        const QString path = QDir(m_outputFolder).filePath(expected.at(i));
        QCOMPARE(outcomes.at(i).outputPath, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("converted"));
    }
    for (const QString &path : untouched) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), contents.value(path));
        QCOMPARE(QFileInfo(path).lastModified(), past);
    }
}

void tst_BatchConverter::survivesChangesMidBatch_data()
{
    // Run while the first file is encoded; $1, $2: the inputs, $3: the output folder.
    QTest::addColumn<QString>("change");
    QTest::addColumn<QList<Failure>>("expected");
    QTest::addColumn<QStringList>("files");

    const QStringList first = {QStringLiteral("first_converted.mp4")};
    const QStringList second = {QStringLiteral("second_converted.mp4")};
    const QList<Failure> inputLost = {Failure::InputUnreadable, Failure::None};
    const QList<Failure> nextInputLost = {Failure::None, Failure::InputUnreadable};
    const QList<Failure> unwritable(2, Failure::OutputUnwritable);
    QTest::newRow("input removed") << QStringLiteral("rm \"$1\"") << inputLost << second;
    QTest::newRow("input made unreadable")
        << QStringLiteral("chmod 0 \"$1\"") << inputLost << second;
    QTest::newRow("next input removed") << QStringLiteral("rm \"$2\"") << nextInputLost << first;
    QTest::newRow("next input made unreadable")
        << QStringLiteral("chmod 0 \"$2\"") << nextInputLost << first;
    QTest::newRow("next input replaced by a pipe")
        << QStringLiteral("rm \"$2\" && mkfifo \"$2\"") << nextInputLost << first;
    QTest::newRow("output folder removed, made again")
        << QStringLiteral("rm -r \"$3\"")
        << QList<Failure>{Failure::OutputUnwritable, Failure::None} << second;
    QTest::newRow("output folder replaced by a file")
        << QStringLiteral("rm -r \"$3\" && touch \"$3\"") << unwritable << QStringList();
    QTest::newRow("output folder made read-only")
        << QStringLiteral("chmod 0500 \"$3\"") << unwritable << QStringList();
}

void tst_BatchConverter::survivesChangesMidBatch()
{
    QFETCH(QString, change);
    QFETCH(QList<Failure>, expected);
    QFETCH(QStringList, files);
    if (change.startsWith(QStringLiteral("chmod")) && !m_permissionsBind)
        QSKIP("file permissions do not bind this process");
    FakeEncoderLog log;
    const QString resume = m_dir->filePath(QStringLiteral("resume"));
    const QUrl first = input(QStringLiteral("first.mov"), "wait-for " + resume.toUtf8());
    const QUrl second = input(QStringLiteral("second.mov"), "ok");
    EngineBatch batch(FakeEncoderLog::encoderPath(), m_outputFolder);
    QSignalSpy progress(&batch.converter, &BatchConverter::fileProgressed);
    QSignalSpy finished(&batch.converter, &BatchConverter::finished);
    batch.start({first, second});
    QVERIFY(progress.wait(10000));
    const auto unlock = qScopeGuard(
        [this] { QFile::setPermissions(m_outputFolder, QFile::Permissions::fromInt(0x7000)); });

    QCOMPARE(QProcess::execute("sh", {"-c", change + " && touch \"$4\"", "sh", first.toLocalFile(),
                                      second.toLocalFile(), m_outputFolder, resume}),
             0);

    QVERIFY(finished.wait(10000));
    QCOMPARE(batch.failures(), expected);
    QCOMPARE(outputFiles(QDir::Files), files);
    // A read-only folder keeps even the temporary file; elsewhere it is gone.
    if (!change.startsWith(QStringLiteral("chmod 0500")))
        QCOMPARE(outputFiles(), files);
}

void tst_BatchConverter::cancelStopsEncoderAndSkipsTheRest_data()
{
    QTest::addColumn<QByteArray>("instruction");

    QTest::newRow("encoder stops on interrupt") << QByteArray("sleep");
    QTest::newRow("encoder ignoring interrupt is killed") << QByteArray("sleep-ignoring-interrupt");
}

void tst_BatchConverter::cancelStopsEncoderAndSkipsTheRest()
{
    QFETCH(QByteArray, instruction);
    FakeEncoderLog log;
    EngineBatch batch(FakeEncoderLog::encoderPath(), m_outputFolder);
    QSignalSpy progress(&batch.converter, &BatchConverter::fileProgressed);
    QSignalSpy finished(&batch.converter, &BatchConverter::finished);
    batch.start({input(QStringLiteral("a.mov"), "ok"), input(QStringLiteral("b.mov"), instruction),
                 input(QStringLiteral("c.mov"), "ok")});
    QTRY_VERIFY_WITH_TIMEOUT(indexes(progress).contains(1), 10000);
    const pid_t pid = log.pid(2);
    QVERIFY(FakeEncoderLog::isAlive(pid));
    // b's partial output used to show under its final name while it was being encoded.
    QCOMPARE(outputFiles(QDir::Files), QStringList({QStringLiteral("a_converted.mp4")}));
    QCOMPARE(outputFiles().size(), 2);

    batch.converter.cancel();

    QVERIFY(finished.wait(5000));
    QCOMPARE(batch.failures(),
             QList<Failure>({Failure::None, Failure::Cancelled, Failure::Cancelled}));
    QVERIFY(!FakeEncoderLog::isAlive(pid));
    QCOMPARE(log.runCount(), 2);
    QCOMPARE(outputFiles(), QStringList({QStringLiteral("a_converted.mp4")}));
}

void tst_BatchConverter::deletingMidEncodeLeavesNoProcessAndNoPartialFile()
{
    FakeEncoderLog log;
    auto batch = std::make_unique<EngineBatch>(FakeEncoderLog::encoderPath(), m_outputFolder);
    QSignalSpy progress(&batch->converter, &BatchConverter::fileProgressed);
    batch->start({input(QStringLiteral("a.mov"), "sleep-ignoring-interrupt"),
                  input(QStringLiteral("b.mov"), "ok")});
    QVERIFY(progress.wait(10000));
    const pid_t pid = log.pid(1);

    batch.reset();

    QCOMPARE(outputFiles(), QStringList());
    QTRY_VERIFY_WITH_TIMEOUT(!FakeEncoderLog::isAlive(pid), 5000);
    // Nor does a converter that is gone start the next file.
    QCoreApplication::sendPostedEvents();
    QCOMPARE(log.runCount(), 1);
}

// A file that crashes the media helper, as a damaged file may crash FFmpeg's parsers, fails
// alone, with a reason, and never reaches the encoder; the files around it convert.
void tst_BatchConverter::fileThatCrashesTheMediaReaderFailsAlone()
{
    FakeEncoderLog log;
    EngineBatch batch(FakeEncoderLog::encoderPath(), m_outputFolder,
                      std::make_shared<MediaHelperPool>(FakeEncoderLog::mediaHelperPath()));
    QSignalSpy finished(&batch.converter, &BatchConverter::finished);

    batch.start({input(QStringLiteral("first.mov"), "ok"), input(QStringLiteral("crash.mov"), "ok"),
                 input(QStringLiteral("last.mov"), "ok")});

    QVERIFY(finished.wait(30000));
    QCOMPARE(batch.failures(),
             QList<Failure>({Failure::None, Failure::InputDamaged, Failure::None}));
    QCOMPARE(batch.outcomes().at(1).reason(), QStringLiteral("the file appears to be damaged"));
    QCOMPARE(log.runCount(), 2);
    QCOMPARE(outputFiles(), QStringList({"first_converted.mp4", "last_converted.mp4"}));
}

QTEST_GUILESS_MAIN(tst_BatchConverter)
#include "tst_batchconverter.moc"
