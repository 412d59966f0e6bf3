// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeEncoderLog.h"
#include "engine/EncoderArguments.h"
#include "engine/EncoderRunner.h"

#include <QSignalSpy>
#include <QTest>

#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>

Q_DECLARE_METATYPE(FileOutcome::Failure)

using Failure = FileOutcome::Failure;

class tst_EncoderRunner : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void passesFiveArgumentsUnchanged_data();
    void passesFiveArgumentsUnchanged();
    void argumentsFollowTheFile_data();
    void argumentsFollowTheFile();
    void reportsOutcome_data();
    void reportsOutcome();
    void reportsTheNewestCompleteLineOfEachRead_data();
    void reportsTheNewestCompleteLineOfEachRead();
    void floodStaysInBoundedMemory();
    void cancelInterruptsThenKills_data();
    void cancelInterruptsThenKills();

private:
    QString instructions(const QByteArray &firstLine);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_EncoderRunner::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    // Orphans of a killed encoder become children of this test, which can then reap them.
    ::prctl(PR_SET_CHILD_SUBREAPER, 1);
}

QString tst_EncoderRunner::instructions(const QByteArray &firstLine)
{
    static int count = 0;
    const QString path = m_dir->filePath(QStringLiteral("input%1.mov").arg(++count));
    return FakeEncoderLog::instructedInput(path, firstLine).toLocalFile();
}

void tst_EncoderRunner::passesFiveArgumentsUnchanged_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");

    QTest::newRow("blanks") << QStringLiteral("/videos/my holiday.mov")
                            << QStringLiteral("/out dir/my holiday_converted.mp4");
    QTest::newRow("quotes") << QStringLiteral("/videos/\"it's\" $HOME `x`.mov")
                            << QStringLiteral("/out/\"it's\" $HOME `x`_converted.mp4");
    QTest::newRow("non-ASCII") << QStringLiteral("/vidéos/Ångström 東京.mov")
                               << QStringLiteral("/sortie/Ångström 東京_converted.mp4");
    QTest::newRow("leading dash") << QStringLiteral("-o.mov")
                                  << QStringLiteral("--preset=x_converted.mp4");
    QTest::newRow("newline") << QStringLiteral("/videos/two\nlines.mov")
                             << QStringLiteral("/out/two\nlines_converted.mp4");
}

void tst_EncoderRunner::passesFiveArgumentsUnchanged()
{
    QFETCH(QString, input);
    QFETCH(QString, output);
    FakeEncoderLog log;
    EncoderRunner runner(FakeEncoderLog::encoderPath());
    QSignalSpy finished(&runner, &EncoderRunner::finished);

    runner.start(input, output);

    QVERIFY(finished.wait(10000));
    QCOMPARE(log.arguments(1),
             QByteArrayList({"-i", QFile::encodeName(input), "-o", QFile::encodeName(output),
                             "--preset=Very Fast 1080p30"}));
    QVERIFY(log.standardInput(1).startsWith("pipe:")); // ours, never a terminal
    // Below the desktop, for the CPU and for the disk.
    QCOMPARE(log.priority(1), QByteArray("10 best-effort: prio 7"));
}

void tst_EncoderRunner::argumentsFollowTheFile_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<bool>("squarePixels");
    QTest::addColumn<int>("audioTracks");
    QTest::addColumn<bool>("hdr");
    // A letter per subtitle track: t for text, p for pictures (f forced), a capital for default.
    QTest::addColumn<QString>("subtitles");
    QTest::addColumn<QStringList>("added");

    const QStringList portrait = {"--maxWidth", "1080", "--maxHeight", "1920", "--non-anamorphic"};
    const QStringList square = {"--non-anamorphic"};
    QTest::newRow("unread") << QSize() << true << 0 << false << QString() << QStringList();
    QTest::newRow("landscape, one track")
        << QSize(1920, 1080) << true << 1 << false << QString() << QStringList();
    QTest::newRow("4K, 16:9") << QSize(3840, 2160) << true << 1 << false << QString()
                              << QStringList();
    QTest::newRow("square, silent")
        << QSize(720, 720) << true << 0 << false << QString() << QStringList();
    QTest::newRow("two tracks") << QSize(1280, 720) << true << 2 << false << QString()
                                << QStringList{"--all-audio"};
    QTest::newRow("portrait") << QSize(1080, 1920) << true << 1 << false << QString() << portrait;
    QTest::newRow("wider than the box")
        << QSize(2560, 1080) << true << 1 << false << QString() << square;
    QTest::newRow("a panorama strip")
        << QSize(4000, 100) << true << 1 << false << QString() << square;
    QTest::newRow("stored anamorphic")
        << QSize(640, 480) << false << 1 << false << QString() << square;
    QTest::newRow("text subtitles")
        << QSize(1280, 720) << true << 1 << false << "tT" << QStringList{"--all-subtitles"};
    QTest::newRow("text among pictures") << QSize(1280, 720) << true << 1 << false << "ptT"
                                         << QStringList{"--subtitle=2,3", "--subtitle-default=2"};
    QTest::newRow("pictures only")
        << QSize(1280, 720) << true << 1 << false << "P" << QStringList();
    QTest::newRow("forced pictures among all")
        << QSize(1280, 720) << true << 1 << false << "pftfT"
        << QStringList{"--subtitle=2,3,5", "--subtitle-burned=1", "--subtitle-default=3"};
    QTest::newRow("HDR") << QSize(3840, 2160) << true << 1 << true << QString()
                         << QStringList{"--colorspace", "bt709"};
    QTest::newRow("all at once") << QSize(1080, 1920) << true << 3 << true << "t"
                                 << QStringList{"--all-audio", "--all-subtitles"} + portrait +
                                        QStringList{"--colorspace", "bt709"};
}

void tst_EncoderRunner::argumentsFollowTheFile()
{
    QFETCH(QSize, picture);
    QFETCH(bool, squarePixels);
    QFETCH(int, audioTracks);
    QFETCH(bool, hdr);
    QFETCH(QString, subtitles);
    QFETCH(QStringList, added);
    MediaInfo media;
    media.readable = !picture.isEmpty();
    media.picture = picture;
    media.squarePixels = squarePixels;
    media.audioTracks = audioTracks;
    media.highDynamicRange = hdr;
    for (const QChar track : subtitles) {
        if (track.isUpper())
            media.defaultSubtitle = int(media.subtitleIsText.size());
        if (track == u'f' && media.forcedPictureSubtitle < 0)
            media.forcedPictureSubtitle = int(media.subtitleIsText.size());
        media.subtitleIsText.append(track.toLower() == u't');
    }

    QCOMPARE(EncoderArguments::forFile("in.mov", "out.mp4", media),
             QStringList({"-i", "in.mov", "-o", "out.mp4", "--preset=Very Fast 1080p30"}) + added);
}

void tst_EncoderRunner::reportsOutcome_data()
{
    QTest::addColumn<QByteArray>("instruction");
    QTest::addColumn<bool>("encoderExists");
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<int>("detail");

    QTest::newRow("success with output") << QByteArray("ok") << true << Failure::None << 0;
    QTest::newRow("exit status is reported")
        << QByteArray("exit 3") << true << Failure::ExitStatus << 3;
    QTest::newRow("death by signal is reported")
        << QByteArray("signal 9") << true << Failure::Signal << 9;
    QTest::newRow("partial output then failure")
        << QByteArray("partial") << true << Failure::ExitStatus << 1;
    QTest::newRow("exit 0 without output is not success")
        << QByteArray("no-output") << true << Failure::NoOutput << 0;
    QTest::newRow("missing encoder") << QByteArray("ok") << false << Failure::EncoderMissing << 0;
}

void tst_EncoderRunner::reportsOutcome()
{
    QFETCH(QByteArray, instruction);
    QFETCH(bool, encoderExists);
    QFETCH(Failure, failure);
    QFETCH(int, detail);
    FakeEncoderLog log;
    const QString encoder = encoderExists ? FakeEncoderLog::encoderPath()
                                          : m_dir->filePath(QStringLiteral("HandBrakeCLI"));
    EncoderRunner runner(encoder);
    QSignalSpy finished(&runner, &EncoderRunner::finished);

    runner.start(instructions(instruction), m_dir->filePath(QStringLiteral("out.mp4")));
    QVERIFY(finished.isEmpty()); // never from inside start()

    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).value<Failure>(), failure);
    QCOMPARE(finished.at(0).at(1).toInt(), detail);
    QCOMPARE(log.runCount(), encoderExists ? 1 : 0);
    QVERIFY(!runner.isRunning());
}

void tst_EncoderRunner::reportsTheNewestCompleteLineOfEachRead_data()
{
    QTest::addColumn<QByteArray>("instruction");
    QTest::addColumn<QList<double>>("reports"); // sorted

    QTest::newRow("both streams, both shapes")
        << QByteArray("ok") << QList<double>{0.1, 0.2, 0.3, 0.4};
    // Writes, each ended by a form feed.
    const QByteArray line =
        "\rEncoding: task 1 of 1, 55.00 % (30.00 fps, avg 30.00 fps, ETA 00h01m00s)\n\f";
    QTest::newRow("two lines in one write")
        << "write\n\rEncoding: task 1 of 1, 10.00 %" + line << QList<double>{0.55};
    QTest::newRow("one line in two writes")
        << "write\n" + line.first(24) + '\f' + line.sliced(24) << QList<double>{0.55};
    QTest::newRow("a burst over two reads, one line across them")
        << "write\n" + QByteArray(960, ' ') + "\rEncoding: task 1 of 1, 10.00 %" + line
        << QList<double>{0.55};
}

void tst_EncoderRunner::reportsTheNewestCompleteLineOfEachRead()
{
    QFETCH(QByteArray, instruction);
    QFETCH(QList<double>, reports);
    FakeEncoderLog log;
    EncoderRunner runner(FakeEncoderLog::encoderPath());
    QSignalSpy progress(&runner, &EncoderRunner::progress);
    QSignalSpy finished(&runner, &EncoderRunner::finished);

    runner.start(instructions(instruction), m_dir->filePath(QStringLiteral("out.mp4")));

    QVERIFY(finished.wait(10000));
    QList<double> values;
    for (const QList<QVariant> &signal : progress)
        values.append(signal.at(0).toDouble());
    std::sort(values.begin(), values.end());
    QCOMPARE(values, reports);
}

static long peakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void tst_EncoderRunner::floodStaysInBoundedMemory()
{
    FakeEncoderLog log;
    EncoderRunner runner(FakeEncoderLog::encoderPath());
    QSignalSpy progress(&runner, &EncoderRunner::progress);
    QSignalSpy finished(&runner, &EncoderRunner::finished);
    const long before = peakResidentKiB();

    runner.start(instructions("flood"), m_dir->filePath(QStringLiteral("out.mp4")));

    QVERIFY(finished.wait(60000));
    QCOMPARE(finished.at(0).at(0).value<Failure>(), Failure::None);
    QVERIFY(!progress.isEmpty());
    QCOMPARE(progress.last().at(0).toDouble(), 0.99);
    // 48 MiB were written; keeping them would show here.
    QCOMPARE_LT(peakResidentKiB() - before, 16 * 1024);
}

void tst_EncoderRunner::cancelInterruptsThenKills_data()
{
    QTest::addColumn<QByteArray>("instruction");
    QTest::addColumn<int>("graceMs");
    QTest::addColumn<bool>("deleted"); // the runner, instead of cancelling

    constexpr int never = std::numeric_limits<int>::max();
    QTest::newRow("encoder stops on interrupt") << QByteArray("sleep") << never << false;
    QTest::newRow("encoder ignoring interrupt is killed after the grace")
        << QByteArray("sleep-ignoring-interrupt") << 0 << false;
    QTest::newRow("deleted runner kills at once")
        << QByteArray("sleep-ignoring-interrupt") << never << true;
}

void tst_EncoderRunner::cancelInterruptsThenKills()
{
    QFETCH(QByteArray, instruction);
    QFETCH(int, graceMs);
    QFETCH(bool, deleted);
    FakeEncoderLog log;
    auto runner = std::make_unique<EncoderRunner>(FakeEncoderLog::encoderPath());
    runner->setCancelGrace(graceMs);
    QSignalSpy progress(runner.get(), &EncoderRunner::progress);
    runner->start(instructions(instruction), m_dir->filePath(QStringLiteral("out.mp4")));
    QVERIFY(progress.wait(10000));
    const pid_t pid = log.pid(1);
    QCOMPARE(::getpgid(pid), pid); // out of reach of a Ctrl+C in the app's terminal

    if (deleted)
        runner.reset();
    else
        runner->cancel();

    QTRY_VERIFY(!FakeEncoderLog::isAlive(pid));
    // Nothing of its process group runs any more.
    QTRY_VERIFY(::waitpid(-pid, nullptr, WNOHANG) < 0 && errno == ECHILD);
}

QTEST_GUILESS_MAIN(tst_EncoderRunner)
#include "tst_encoderrunner.moc"
