// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EngineBatch.h"
#include "SampleMedia.h"
#include "engine/BatchList.h"
#include "engine/EncoderLocation.h"
#include "engine/StalePartFileCleanup.h"
#include "intake/FileIntake.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

using Failure = FileOutcome::Failure;

namespace {

// With a comma, which the encoder's own option for naming tracks would split at.
QString subtitleTitle(const QString &language)
{
    return QStringLiteral("Dialogue, ") + language;
}

// The first track is the default, the second holds only the forced lines.
QString subtitleFlags(qsizetype track)
{
    return track == 0 ? QStringLiteral("default") : QStringLiteral("forced");
}

} // namespace

// Runs the HandBrakeCLI that the build puts in the application's resource folder.
class tst_RealEncoder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void convertsToPlayableMp4KeepingTheClipsStory();
    void fullDiskFailsTheRestAndKeepsOnlyFinishedFiles();
    void killedAppLeavesNoFinishedLookingFile();
    void inputCutShortDuringItsEncodeFails();
    void convertsCamcorderFilesAndNamesThatAreNotUtf8();
    void pausedEncodeHoldsStillAndResumesWhereItWas();

private:
    // The exit status, or -1 when the program crashed or did not end in time.
    static int run(const QString &program, const QStringList &arguments, QByteArray *out = nullptr);
    // A process's state and parent's id at 1 and 2; nothing once it is gone.
    static QByteArrayList processStatus(const QString &pid);
};

int tst_RealEncoder::run(const QString &program, const QStringList &arguments, QByteArray *out)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return -1;
    if (out)
        *out = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QByteArrayList tst_RealEncoder::processStatus(const QString &pid)
{
    // "pid (name) state ppid ...", where the name may hold anything
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    return stat.open(QIODevice::ReadOnly) ? stat.readAll().split(')').last().split(' ')
                                          : QByteArrayList();
}

void tst_RealEncoder::initTestCase()
{
    if (!QFileInfo(bundledEncoderPath()).isExecutable())
        QSKIP("no HandBrakeCLI in the resource folder");
    if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("ffprobe")).isEmpty())
        QSKIP("ffmpeg is not installed");
}

// What ffprobe must read from each output: a playable MP4 in the preset's limits, the
// picture upright at its full size with square pixels, every audio track, BT.709 colours, and
// when, where and with what the clip was recorded, where the input said so.
void tst_RealEncoder::convertsToPlayableMp4KeepingTheClipsStory()
{
    QTemporaryDir dir;
    struct Clip
    {
        QString name;
        QString size;
        int fps;
        QStringList making; // further ffmpeg arguments
        bool turned;        // stored lying, with a rotation to show it upright
        QSize shown;
        int audioTracks;
        QStringList tags;  // key=value among the output's tags, the value as it begins
        bool kept = false; // plays everywhere and would not shrink: its own streams, rewritten
        QStringList subtitles = {}; // text tracks' languages, added with two chapters and a cover
        double seconds = 1;
    };
    // Without a recording date of its own, a clip dates from its file's time.
    const QDateTime fileTime(QDate(2020, 2, 2), QTime(12, 0), Qt::UTC);
    const QString fileDate = "creation_time=2020-02-02T12:00:00";
    const QStringList hlg = {"-c:v",        "libx265",      "-pix_fmt",
                             "yuv420p10le", "-color_trc",   "arib-std-b67",
                             "-colorspace", "bt2020nc",     "-color_primaries",
                             "bt2020",      "-x265-params", "log-level=error"};
    const QList<Clip> clips = {
        {"large 60fps.mkv", "2560x1440", 60, {}, false, {1920, 1080}, 1, {fileDate}},
        {"camera.mov",
         "320x240",
         25,
         {"-metadata", "creation_time=2019-05-01T10:11:12Z", "-metadata",
          "location=+48.8584+002.2945/", "-metadata", "make=Acme", "-metadata", "model=Cam 1"},
         false,
         {320, 240},
         1,
         {"creation_time=2019-05-01T10:11:12", "location=+48.8584+002.2945/", "make=Acme",
          "model=Cam 1"}},
        {"two languages.mp4",
         "640x360",
         25,
         {"-map", "0:v", "-map", "1:a", "-map", "1:a"},
         false,
         {640, 360},
         2,
         {}},
        {"portrait.mp4", "1080x1920", 30, {}, false, {1080, 1920}, 1, {}},
        {"phone.mp4", "1280x720", 30, {}, true, {720, 1280}, 1, {fileDate}},
        {"hlg.mp4", "1280x720", 25, hlg, false, {1280, 720}, 1, {}},
        {"21 by 9.mp4", "2560x1080", 25, {}, false, {1920, 810}, 1, {}},
        {"subtitled.mkv", "640x360", 25, {}, false, {640, 360}, 1, {}, false, {"fra", "deu"}},
        {"small.mkv",
         "1920x1080",
         30,
         {"-pix_fmt", "yuv420p", "-b:v", "50k", "-color_trc", "bt709"},
         false,
         {1920, 1080},
         1,
         {fileDate},
         true},
        // Long enough to be judged by a slice before the whole encode.
        {"small and long.mp4",
         "1280x720",
         30,
         {"-pix_fmt", "yuv420p", "-b:v", "50k", "-color_trc", "bt709"},
         false,
         {1280, 720},
         1,
         {fileDate},
         true,
         {},
         20},
    };
    QList<QUrl> files;
    for (const Clip &clip : clips) {
        const QString path = dir.filePath(clip.name);
        const QString made = clip.turned || !clip.subtitles.isEmpty() ? path + ".made.mp4" : path;
        QVERIFY(SampleMedia::makeMovie(made, clip.size, clip.fps, clip.seconds, clip.making));
        if (clip.turned)
            QCOMPARE(run("ffmpeg", {"-v", "error", "-i", made, "-c", "copy", "-metadata:s:v:0",
                                    "rotate=90", path}),
                     0);
        if (!clip.subtitles.isEmpty()) {
            const QString cues = dir.filePath("cues.srt");
            QVERIFY(SampleMedia::makeText(cues, "1\n00:00:00,000 --> 00:00:00,900\nHallo\n"));
            QStringList adding = {"-v", "error", "-i", made};
            QStringList mapping = {"-map", "0"};
            for (qsizetype track = 0; track < clip.subtitles.size(); ++track) {
                adding << "-i" << cues;
                mapping << "-map" << QString::number(track + 1)
                        << QString("-metadata:s:s:%1").arg(track)
                        << "language=" + clip.subtitles.at(track)
                        << QString("-metadata:s:s:%1").arg(track)
                        << "title=" + subtitleTitle(clip.subtitles.at(track))
                        << QString("-disposition:s:%1").arg(track) << subtitleFlags(track);
            }
            // Two chapters, the last one too short for the encoder to keep.
            QVERIFY(SampleMedia::makeText(dir.filePath("marks.txt"),
                                          ";FFMETADATA1\n[CHAPTER]\nTIMEBASE=1/10\nSTART=0\nEND=5\n"
                                          "[CHAPTER]\nTIMEBASE=1/10\nSTART=5\nEND=10\n"));
            adding += {"-f", "ffmetadata", "-i", dir.filePath("marks.txt")};
            mapping += {"-map_chapters", QString::number(clip.subtitles.size() + 1)};
            // Signs in pictures, to be shown whatever the viewer chose: burned in.
            QVERIFY(SampleMedia::makePictureSubtitle(dir.filePath("signs.sup")));
            adding += {"-i", dir.filePath("signs.sup")};
            mapping += {"-map", QString::number(clip.subtitles.size() + 2),
                        QString("-disposition:s:%1").arg(clip.subtitles.size()), "forced"};
            QVERIFY(SampleMedia::makeImage(dir.filePath("cover.png")));
            mapping +=
                {"-attach", dir.filePath("cover.png"), "-metadata:s:t", "mimetype=image/png"};
            QCOMPARE(run("ffmpeg", adding + mapping + QStringList{"-c", "copy", path}), 0);
        }
        QFile input(path);
        QVERIFY(input.open(QIODevice::ReadOnly));
        QVERIFY(input.setFileTime(fileTime, QFileDevice::FileModificationTime));
        files.append(QUrl::fromLocalFile(path));
    }
    const QString outputFolder = dir.filePath(QStringLiteral("Clipforger"));
    EngineBatch batch(bundledEncoderPath(), outputFolder);
    batch.converter.setCapacity(EncodeCapacity(2));
    QSignalSpy progress(&batch.converter, &BatchConverter::fileProgressed);
    QSignalSpy finished(&batch.converter, &BatchConverter::finished);

    batch.start(files);

    QVERIFY(finished.wait(240000));
    const BatchOutcomes outcomes = batch.files.outcomes();
    QCOMPARE(outcomes.size(), clips.size());
    QVERIFY(!progress.isEmpty()); // the real output format is understood
    for (qsizetype i = 0; i < clips.size(); ++i) {
        const Clip &clip = clips.at(i);
        const FileOutcome &outcome = outcomes.at(i);
        QVERIFY2(outcome.converted(), qPrintable(outcome.reason()));
        QCOMPARE(outcome.inputStreamsKept, clip.kept);
        QCOMPARE(QFileInfo(outcome.outputPath).lastModified(), fileTime);
        QByteArray json;
        QCOMPARE(run(QStringLiteral("ffprobe"),
                     {"-v", "error", "-show_chapters", "-show_entries",
                      "format=format_name:format_tags:stream=codec_type,codec_name,width,height,"
                      "sample_aspect_ratio,avg_frame_rate,color_transfer:stream_tags=language,"
                      "handler_name:"
                      "stream_disposition=attached_pic,default,forced",
                      "-of", "json", outcome.outputPath},
                     &json),
                 0);
        const QJsonObject probe = QJsonDocument::fromJson(json).object();
        const QJsonObject format = probe.value("format").toObject();
        QVERIFY(format.value("format_name").toString().contains("mp4"));
        const QJsonObject tags = format.value("tags").toObject();
        QVERIFY(
            QStringList({"isom", "mp41", "mp42"}).contains(tags.value("major_brand").toString()));
        for (const QString &tag : clip.tags) {
            const QString key = tag.section('=', 0, 0);
            QVERIFY2(tags.value(key).toString().startsWith(tag.section('=', 1)),
                     qPrintable(clip.name + ": " + key + "=" + tags.value(key).toString()));
        }
        int audioTracks = 0;
        QStringList kept; // subtitles by language and title, then the cover
        for (const QJsonValue &value : probe.value("streams").toArray()) {
            const QJsonObject stream = value.toObject();
            if (stream.value("disposition").toObject().value("attached_pic").toInt()) {
                kept << "cover";
            } else if (stream.value("codec_type") == "video") {
                QCOMPARE(stream.value("codec_name").toString(), "h264");
                QCOMPARE(QSize(stream.value("width").toInt(), stream.value("height").toInt()),
                         clip.shown);
                QCOMPARE(stream.value("sample_aspect_ratio").toString(), "1:1");
                QCOMPARE(stream.value("color_transfer").toString(), "bt709");
                const QStringList rate = stream.value("avg_frame_rate").toString().split('/');
                QCOMPARE(rate.size(), 2);
                QCOMPARE_LE(rate.at(0).toDouble() / rate.at(1).toDouble(), 30.01);
            } else if (stream.value("codec_type") == "audio") {
                ++audioTracks;
                QCOMPARE(stream.value("codec_name").toString(), "aac");
            } else if (stream.value("codec_type") == "subtitle") {
                QCOMPARE(stream.value("codec_name").toString(), "mov_text");
                const QJsonObject tags = stream.value("tags").toObject();
                const QJsonObject flags = stream.value("disposition").toObject();
                kept << tags.value("language").toString() + ' ' +
                            tags.value("handler_name").toString() +
                            (flags.value("default").toInt() ? " default" : "") +
                            (flags.value("forced").toInt() ? " forced" : "");
            }
        }
        QCOMPARE(audioTracks, clip.audioTracks);
        QStringList subtitles;
        for (qsizetype track = 0; track < clip.subtitles.size(); ++track)
            subtitles << clip.subtitles.at(track) + ' ' + subtitleTitle(clip.subtitles.at(track)) +
                             ' ' + subtitleFlags(track);
        QCOMPARE(kept, clip.subtitles.isEmpty() ? QStringList() : subtitles + QStringList{"cover"});
        QCOMPARE(probe.value("chapters").toArray().size(), clip.subtitles.isEmpty() ? 0 : 2);
        QVERIFY(!outcome.pictureSubtitlesLeftOut);
        QByteArray shade; // white all over while the signs show
        run("ffmpeg",
            {"-v", "error", "-ss", "0.5", "-i", outcome.outputPath, "-vf", "scale=1:1", "-frames:v",
             "1", "-f", "rawvideo", "-pix_fmt", "gray", "-"},
            &shade);
        QVERIFY(clip.subtitles.isEmpty() || (shade.size() == 1 && quint8(shade.at(0)) >= 250));
    }
}

void tst_RealEncoder::fullDiskFailsTheRestAndKeepsOnlyFinishedFiles()
{
    const QStringList privateMount = {"--user", "--map-root-user", "--mount"};
    QTemporaryDir dir;
    const QString small = dir.filePath("small.mkv");
    const QString noisy = dir.filePath("noisy.mkv");
    const QString again = dir.filePath("again.mkv");
    QVERIFY(SampleMedia::makeClip(small));
    QVERIFY(QFile::copy(small, again));
    QVERIFY(SampleMedia::makeMovie(noisy, "640x360", 25, 1, {"-vf", "noise=alls=60:allf=t"}));
    const QString folder = dir.filePath("Clipforger");
    QVERIFY(QDir().mkpath(folder));
    QByteArray out;

    // A 256 KiB disk that only the batch sees: the small clip's result fits, the noisy one's not.
    const QString onSmallDisk =
        R"(mount -t tmpfs -o size=256k small "$1" || exit 99; shift; exec "$@")";
    const int status =
        run("unshare",
            privateMount + QStringList{"sh", "-c", onSmallDisk, "sh", folder, BATCH_RUNNER_PATH,
                                       bundledEncoderPath(), folder, small, noisy, again},
            &out);

    if (status != 0 && run("unshare", privateMount + QStringList{"true"}) != 0)
        QSKIP("no user and mount namespaces here, so no small disk without root");
    if (status == 99)
        QSKIP("no tmpfs can be mounted in a user namespace here");
    QCOMPARE(status, 0);
    QList<int> failures;
    QStringList entries;
    for (const QByteArray &line : out.split('\n')) {
        if (line.startsWith("outcome "))
            failures.append(line.split(' ').at(1).toInt());
        else if (line.startsWith("entry "))
            entries.append(QString::fromUtf8(line.mid(6)));
    }
    QCOMPARE(failures,
             QList<int>({int(Failure::None), int(Failure::DiskFull), int(Failure::DiskFull)}));
    QCOMPARE(entries, QStringList({"small_converted.mp4"}));
}

void tst_RealEncoder::killedAppLeavesNoFinishedLookingFile()
{
    QTemporaryDir dir;
    const QString clip = dir.filePath("long.mkv");
    QVERIFY(SampleMedia::makeMovie(clip, "1280x720", 25, 10));
    const QDir folder(dir.filePath("Clipforger"));
    QProcess app;
    app.start(BATCH_RUNNER_PATH, {bundledEncoderPath(), folder.path(), clip});
    QVERIFY(app.waitForStarted());
    QString encoder;
    auto encoding = [&] {
        for (const QString &pid : QDir("/proc").entryList(QDir::Dirs)) {
            if (processStatus(pid).value(2).toLongLong() == app.processId())
                encoder = pid;
        }
        const QFileInfoList files = folder.entryInfoList(QDir::Files | QDir::Hidden);
        return !encoder.isEmpty() && files.size() == 1 && files.at(0).size() > 0;
    };
    QTRY_VERIFY_WITH_TIMEOUT(encoding(), 30000);

    ::kill(pid_t(app.processId()), SIGKILL);

    QVERIFY(app.waitForFinished());
    QTRY_VERIFY_WITH_TIMEOUT(QByteArrayList({"", "Z"}).contains(processStatus(encoder).value(1)),
                             5000);
    const QStringList left = folder.entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left.size(), 1);
    QVERIFY2(left.at(0).startsWith('.') && left.at(0).endsWith(".part"), qPrintable(left.at(0)));
    QCOMPARE(StalePartFileCleanup::run(folder.path()), 1); // at the next start
    QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), QStringList());
}

void tst_RealEncoder::inputCutShortDuringItsEncodeFails()
{
    QTemporaryDir dir;
    const QString clip = dir.filePath("long.mkv");
    QVERIFY(SampleMedia::makeMovie(clip, "320x240", 25, 60));
    const QDir folder(dir.filePath("Clipforger"));
    EngineBatch batch(bundledEncoderPath(), folder.path());
    QSignalSpy finished(&batch.converter, &BatchConverter::finished);
    batch.start({QUrl::fromLocalFile(clip)});
    QTRY_VERIFY_WITH_TIMEOUT(batch.files.at(0).fraction > 0, 30000);

    QVERIFY(QFile::resize(clip, QFileInfo(clip).size() / 2)); // as a copy still being written

    QVERIFY(finished.wait(120000));
    QCOMPARE(batch.files.at(0).outcome.failure, Failure::InputChanged);
    QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), QStringList());
}

// Both used to be left out of the list: the one for its name's bytes, the other as music.
void tst_RealEncoder::convertsCamcorderFilesAndNamesThatAreNotUtf8()
{
    QTemporaryDir dir;
    const QString camcorder = dir.filePath(QStringLiteral("MOV001.MOD"));
    QCOMPARE(run(QStringLiteral("ffmpeg"),
                 {"-v", "error", "-f", "lavfi", "-i", "testsrc2=size=720x576:rate=25:duration=1",
                  "-f", "lavfi", "-i", "sine=duration=1", "-c:v", "mpeg2video", "-c:a", "mp2", "-f",
                  "vob", camcorder}),
             0);
    // Named in Latin-1, inside a folder named in Latin-1, as on an old USB stick.
    const QByteArray folder = QFile::encodeName(dir.path()) + "/Urlaub_\xe9t\xe9";
    QCOMPARE(::mkdir(folder.constData(), 0700), 0);
    QCOMPARE(
        ::link(QFile::encodeName(camcorder).constData(), (folder + "/caf\xe9.mp4").constData()), 0);

    FileIntake intake;
    QList<QUrl> listed;
    connect(&intake, &FileIntake::videosFound, this,
            [&listed](const QList<QUrl> &urls) { listed += urls; });
    intake.take({QUrl::fromLocalFile(camcorder),
                 QUrl::fromEncoded("file://" + folder.toPercentEncoding("/"))});
    QTRY_COMPARE(listed.size(), 2);

    EngineBatch batch(bundledEncoderPath(), dir.filePath(QStringLiteral("Clipforger")));
    QSignalSpy finished(&batch.converter, &BatchConverter::finished);
    batch.start(listed);
    QVERIFY(finished.wait(240000));
    QStringList outputs;
    for (const FileOutcome &outcome : batch.files.outcomes()) {
        QVERIFY2(outcome.converted(), qPrintable(outcome.reason()));
        QCOMPARE(run(QStringLiteral("ffprobe"), {"-v", "error", outcome.outputPath}), 0);
        outputs.append(QFileInfo(outcome.outputPath).fileName());
    }
    outputs.sort();
    QCOMPARE(outputs, QStringList({"MOV001_converted.mp4", "café_converted.mp4"}));
    // QTemporaryDir removes only what Qt can name.
    ::unlink((folder + "/caf\xe9.mp4").constData());
    ::rmdir(folder.constData());
}

// Told to pause while it still opens and scans its file, HandBrakeCLI 1.6 crashes: the pause
// asked for waits until the encode has begun.
void tst_RealEncoder::pausedEncodeHoldsStillAndResumesWhereItWas()
{
    QTemporaryDir dir;
    const QString clip = dir.filePath(QStringLiteral("long.mkv"));
    QVERIFY(SampleMedia::makeMovie(clip, "1280x720", 25, 10));
    EngineBatch batch(bundledEncoderPath(), dir.filePath(QStringLiteral("Clipforger")));
    QSignalSpy finished(&batch.converter, &BatchConverter::finished);
    batch.start({QUrl::fromLocalFile(clip)});
    QTRY_COMPARE(batch.files.at(0).stage, BatchFile::Stage::Converting);
    batch.converter.pause();
    QTRY_VERIFY_WITH_TIMEOUT(batch.converter.holds(), 60000);
    // Then pressed quickly, ending paused: it takes one command at a time.
    for (int press = 0; press < 50; ++press)
        press % 2 ? batch.converter.pause() : batch.converter.resume();
    QTRY_VERIFY_WITH_TIMEOUT(batch.converter.holds(), 10000);
    const double heldAt = batch.files.at(0).fraction;
    QTest::qWait(3000);
    QCOMPARE(batch.files.at(0).fraction, heldAt);
    QVERIFY(batch.converter.holds());
    batch.converter.resume();
    QVERIFY(finished.wait(240000));
    QVERIFY(batch.files.outcomes().first().converted());
}

QTEST_GUILESS_MAIN(tst_RealEncoder)
#include "tst_realencoder.moc"
