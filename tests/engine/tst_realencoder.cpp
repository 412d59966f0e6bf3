#include "engine/BatchConverter.h"
#include "engine/EncoderLocation.h"
#include "intake/DropIntake.h"

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

#include <sys/stat.h>
#include <unistd.h>

// Runs the HandBrakeCLI that the build puts in the application's resource folder.
class tst_RealEncoder : public QObject
{
    Q_OBJECT

private slots:
    void convertsToPlayableMp4();
    void convertsCamcorderFilesAndNamesThatAreNotUtf8();

private:
    static void skipWithoutTools();
    static bool run(const QString &program, const QStringList &arguments,
                    QByteArray *out = nullptr);
};

bool tst_RealEncoder::run(const QString &program, const QStringList &arguments, QByteArray *out)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return false;
    if (out)
        *out = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

void tst_RealEncoder::skipWithoutTools()
{
    if (!QFileInfo(bundledEncoderPath()).isExecutable())
        QSKIP("no HandBrakeCLI in the resource folder");
    if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("ffprobe")).isEmpty())
        QSKIP("ffmpeg is not installed");
}

void tst_RealEncoder::convertsToPlayableMp4()
{
    skipWithoutTools();
    const QString encoder = bundledEncoderPath();

    QTemporaryDir dir;
    struct Clip
    {
        QString name;
        QString size;
        int fps;
    };
    const QList<Clip> clips = {{QStringLiteral("large 60fps.mkv"), QStringLiteral("2560x1440"), 60},
                               {QStringLiteral("small.mov"), QStringLiteral("320x240"), 25}};
    QList<QUrl> files;
    for (const Clip &clip : clips) {
        const QString path = dir.filePath(clip.name);
        QVERIFY(
            run(QStringLiteral("ffmpeg"),
                {"-v", "error", "-f", "lavfi", "-i",
                 QStringLiteral("testsrc2=size=%1:rate=%2:duration=1").arg(clip.size).arg(clip.fps),
                 "-f", "lavfi", "-i", "sine=frequency=440:duration=1", "-c:v", "libx264", "-preset",
                 "ultrafast", "-c:a", "aac", "-shortest", path}));
        files.append(QUrl::fromLocalFile(path));
    }
    const QString outputFolder = dir.filePath(QStringLiteral("Clipforger"));
    BatchConverter batch(encoder, outputFolder);
    QSignalSpy finished(&batch, &BatchConverter::finished);

    batch.start(files);

    QVERIFY(finished.wait(240000));
    QCOMPARE(batch.outcomes().size(), clips.size());
    QCOMPARE_GT(batch.conversionProgress(), 0.0); // the real output format is understood
    for (const FileOutcome &outcome : batch.outcomes()) {
        QVERIFY2(outcome.converted(), qPrintable(outcome.description()));
        QByteArray json;
        QVERIFY(run(QStringLiteral("ffprobe"),
                    {"-v", "error", "-show_entries",
                     "format=format_name:format_tags=major_brand:stream=codec_type,codec_name,"
                     "width,height,avg_frame_rate",
                     "-of", "json", outcome.outputPath},
                    &json));
        const QJsonObject probe = QJsonDocument::fromJson(json).object();
        const QJsonObject format = probe.value("format").toObject();
        QVERIFY(format.value("format_name").toString().contains("mp4"));
        QVERIFY(QStringList({"isom", "mp41", "mp42"})
                    .contains(format.value("tags").toObject().value("major_brand").toString()));
        bool sawVideo = false;
        bool sawAudio = false;
        for (const QJsonValue &value : probe.value("streams").toArray()) {
            const QJsonObject stream = value.toObject();
            if (stream.value("codec_type") == "video") {
                sawVideo = true;
                QCOMPARE(stream.value("codec_name").toString(), "h264");
                QCOMPARE_LE(stream.value("width").toInt(), 1920);
                QCOMPARE_LE(stream.value("height").toInt(), 1080);
                const QStringList rate = stream.value("avg_frame_rate").toString().split('/');
                QCOMPARE(rate.size(), 2);
                QCOMPARE_LE(rate.at(0).toDouble() / rate.at(1).toDouble(), 30.01);
            } else if (stream.value("codec_type") == "audio") {
                sawAudio = true;
                QCOMPARE(stream.value("codec_name").toString(), "aac");
            }
        }
        QVERIFY(sawVideo);
        QVERIFY(sawAudio);
    }
}

// Both used to be left out of the list: the one for its name's bytes, the other as music.
void tst_RealEncoder::convertsCamcorderFilesAndNamesThatAreNotUtf8()
{
    skipWithoutTools();
    QTemporaryDir dir;
    const QString camcorder = dir.filePath(QStringLiteral("MOV001.MOD"));
    QVERIFY(run(QStringLiteral("ffmpeg"),
                {"-v", "error", "-f", "lavfi", "-i", "testsrc2=size=720x576:rate=25:duration=1",
                 "-f", "lavfi", "-i", "sine=duration=1", "-c:v", "mpeg2video", "-c:a", "mp2", "-f",
                 "vob", camcorder}));
    // Named in Latin-1, inside a folder named in Latin-1, as on an old USB stick.
    const QByteArray folder = QFile::encodeName(dir.path()) + "/Urlaub_\xe9t\xe9";
    QCOMPARE(::mkdir(folder.constData(), 0700), 0);
    QCOMPARE(
        ::link(QFile::encodeName(camcorder).constData(), (folder + "/caf\xe9.mp4").constData()), 0);

    DropIntake intake;
    QList<QUrl> listed;
    connect(&intake, &DropIntake::videosFound, this,
            [&listed](const QList<QUrl> &urls) { listed += urls; });
    intake.take({QUrl::fromLocalFile(camcorder),
                 QUrl::fromEncoded("file://" + folder.toPercentEncoding("/"))});
    QTRY_COMPARE(listed.size(), 2);

    BatchConverter batch(bundledEncoderPath(), dir.filePath(QStringLiteral("Clipforger")));
    QSignalSpy finished(&batch, &BatchConverter::finished);
    batch.start(listed);
    QVERIFY(finished.wait(240000));
    QStringList outputs;
    for (const FileOutcome &outcome : batch.outcomes()) {
        QVERIFY2(outcome.converted(), qPrintable(outcome.description()));
        QVERIFY(run(QStringLiteral("ffprobe"), {"-v", "error", outcome.outputPath}));
        outputs.append(QFileInfo(outcome.outputPath).fileName());
    }
    outputs.sort();
    QCOMPARE(outputs, QStringList({"MOV001_converted.mp4", "café_converted.mp4"}));
    // QTemporaryDir removes only what Qt can name.
    ::unlink((folder + "/caf\xe9.mp4").constData());
    ::rmdir(folder.constData());
}

QTEST_GUILESS_MAIN(tst_RealEncoder)
#include "tst_realencoder.moc"
