// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SampleMedia.h"
#include "intake/VideoFileTyping.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

class tst_VideoFileTyping : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void isVideoFile_data();
    void isVideoFile();
    void isVideoType_data();
    void isVideoType();
    void mayBeVideo_data();
    void mayBeVideo();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

void tst_VideoFileTyping::initTestCase()
{
    QVERIFY(m_dir.isValid());
    using namespace SampleMedia;
    const auto s = [](const char *text) { return QString::fromLatin1(text); };

    for (const char *name : {"clip.mp4", "clip.mkv", "clip.webm", "clip.avi", "clip.mov",
                             "clip.flv", "clip.wmv", "clip.ogv"})
        QVERIFY2(makeClip(path(s(name))), name);
    QVERIFY(makeClip(path(s("clip.mts")), {s("-f"), s("mpegts")}));
    QVERIFY(makeClip(path(s("clip.m2ts")), {s("-f"), s("mpegts")}));
    QVERIFY(makeClip(path(s("clip.ts")), {s("-f"), s("mpegts")}));
    QVERIFY(makeClip(path(s("clip.mpg")), {s("-c:v"), s("mpeg1video")}));
    QVERIFY(makeClip(path(s("camcorder.MOD")), {s("-c:v"), s("mpeg2video"), s("-f"), s("vob")}));
    QVERIFY(makeClip(path(s("camcorder.TOD")), {s("-f"), s("mpegts")}));
    QVERIFY(makeClip(path(s("clip really.mp3")), {s("-f"), s("mp4")}));
    QVERIFY(makeClip(path(s("clip.mxf")), {s("-c:v"), s("mpeg2video")}));
    QVERIFY(makeClip(path(s("clip.rm")), {s("-c:v"), s("rv10")}));
    QVERIFY(makeClip(path(s("clip.3gp")), {s("-s"), s("176x144")}));
    QVERIFY(makeClip(path(s("clip.asf")), {s("-f"), s("asf")}));
    QVERIFY(makeClip(path(s("theora.ogg")), {s("-c:v"), s("libtheora")}));
    QVERIFY(makeClip(path(s("mp4 without extension")), {s("-f"), s("mp4")}));
    QVERIFY(makeClip(path(s("matroska without extension")), {s("-f"), s("matroska")}));
    QVERIFY(makeClip(path(s("clip really.txt")), {s("-f"), s("mp4")}));
    QVERIFY(QFile::link(path(s("clip.mp4")), path(s("link to clip.mp4"))));

    for (const char *name :
         {"sound.mp3", "sound.wav", "sound.m4a", "sound.mka", "sound.wma", "sound.ogg"})
        QVERIFY2(makeAudio(path(s(name))), name);
    QVERIFY(makeImage(path(s("picture.png"))));
    QVERIFY(makeImage(path(s("picture.gif"))));
    QVERIFY(makeText(path(s("notes.txt"))));
    QVERIFY(makeText(path(s("not a camcorder.MOD"))));
    QVERIFY(makeText(path(s("translations.ts")),
                     "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                     "<TS version=\"2.1\" language=\"de\"></TS>\n"));
    QVERIFY(makeText(path(s("playlist.m4u")), "http://example.com/clip.mp4\n"));
    QVERIFY(makeText(path(s("index.d.mts")), "export declare const clip: string;\n"));
    QVERIFY(makeText(path(s("00000.mpls")), "MPLS0200"));
    QVERIFY(makeText(path(s("empty.mp4")), {}));
    QVERIFY(QDir(m_dir.path()).mkdir(s("folder")));
    QVERIFY(QDir(m_dir.path()).mkdir(s("folder.mp4")));
    QCOMPARE(::mkfifo(QFile::encodeName(path(s("pipe.mp4"))).constData(), 0600), 0);
    QVERIFY(QFile::link(path(s("gone.mp4")), path(s("dangling link.mp4"))));
    QVERIFY(QFile::link(s("/dev/zero"), path(s("device.mp4"))));
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(path(s("socket.mp4"))), sizeof address.sun_path);
    QCOMPARE(::bind(listening, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ::close(listening);
}

void tst_VideoFileTyping::isVideoFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("expected");

    QTest::newRow("MP4") << "clip.mp4" << true;
    QTest::newRow("Matroska") << "clip.mkv" << true;
    QTest::newRow("WebM") << "clip.webm" << true;
    QTest::newRow("AVI") << "clip.avi" << true;
    QTest::newRow("QuickTime") << "clip.mov" << true;
    QTest::newRow("Flash video") << "clip.flv" << true;
    QTest::newRow("Windows Media video") << "clip.wmv" << true;
    QTest::newRow("Ogg Theora .ogv") << "clip.ogv" << true;
    QTest::newRow("camcorder MPEG-TS .mts") << "clip.mts" << true;
    QTest::newRow("Blu-ray MPEG-TS .m2ts") << "clip.m2ts" << true;
    QTest::newRow(".ts told from a Qt Linguist file by content") << "clip.ts" << true;
    QTest::newRow("MPEG program stream") << "clip.mpg" << true;
    // Used to be left out: the name alone reads as tracker music (audio/x-mod).
    QTest::newRow("camcorder .MOD, an MPEG program stream") << "camcorder.MOD" << true;
    QTest::newRow("camcorder .TOD, an MPEG transport stream") << "camcorder.TOD" << true;
    QTest::newRow("a video named .mp3: content that contradicts an audio name")
        << "clip really.mp3" << true;
    QTest::newRow("MXF, filed under application/") << "clip.mxf" << true;
    QTest::newRow("RealMedia, filed under application/") << "clip.rm" << true;
    QTest::newRow("3GP, inherits video/mp4") << "clip.3gp" << true;
    QTest::newRow("ASF, filed under application/") << "clip.asf" << true;
    QTest::newRow("Ogg with video named .ogg: content decides") << "theora.ogg" << true;
    QTest::newRow("MP4 without extension: content decides") << "mp4 without extension" << true;
    QTest::newRow("generic Matroska by content") << "matroska without extension" << true;
    QTest::newRow("symbolic link to a video") << "link to clip.mp4" << true;

    QTest::newRow("MP3 audio") << "sound.mp3" << false;
    QTest::newRow("WAV audio") << "sound.wav" << false;
    QTest::newRow("MP4 audio .m4a") << "sound.m4a" << false;
    QTest::newRow("Matroska audio, a child of generic Matroska") << "sound.mka" << false;
    QTest::newRow("WMA, a child of generic ASF") << "sound.wma" << false;
    QTest::newRow("Ogg Vorbis") << "sound.ogg" << false;
    QTest::newRow("PNG image") << "picture.png" << false;
    QTest::newRow("GIF image") << "picture.gif" << false;
    QTest::newRow("text") << "notes.txt" << false;
    QTest::newRow("Qt Linguist .ts file") << "translations.ts" << false;
    QTest::newRow("video/ playlist that is text") << "playlist.m4u" << false;
    QTest::newRow("TypeScript module .mts: a transport stream's name, not its content")
        << "index.d.mts" << false;
    QTest::newRow("Blu-ray playlist .mpls") << "00000.mpls" << false;
    QTest::newRow("a video named .txt: the name decides, as in the file manager")
        << "clip really.txt" << false;
    QTest::newRow("text named .MOD") << "not a camcorder.MOD" << false;
    QTest::newRow("empty file named .mp4") << "empty.mp4" << false;
    QTest::newRow("folder") << "folder" << false;
    QTest::newRow("folder named .mp4") << "folder.mp4" << false;
    // A pipe would block the worker's read for ever if it were opened.
    QTest::newRow("named pipe named .mp4") << "pipe.mp4" << false;
    QTest::newRow("dangling link named .mp4") << "dangling link.mp4" << false;
    QTest::newRow("missing file named .mp4") << "missing.mp4" << false;
    QTest::newRow("link to a device named .mp4") << "device.mp4" << false;
    QTest::newRow("socket named .mp4") << "socket.mp4" << false;
}

void tst_VideoFileTyping::isVideoFile()
{
    QFETCH(QString, name);
    QFETCH(bool, expected);

    const VideoFileTyping typing;
    const QUrl url = QUrl::fromLocalFile(path(name));
    QCOMPARE(typing.isVideoFile(url), expected);
    // The hover check must never turn away what the drop would take.
    if (expected)
        QVERIFY(typing.mayBeVideo(url));
}

void tst_VideoFileTyping::isVideoType_data()
{
    QTest::addColumn<QString>("mimeType");
    QTest::addColumn<bool>("expected");

    QTest::newRow("video/ type") << "video/mp4" << true;
    QTest::newRow("video/ type inheriting an image type") << "video/x-mjpeg" << true;
    QTest::newRow("alias of a listed container") << "application/vnd.rn-realmedia-vbr" << true;
    QTest::newRow("ringtone: audio inheriting video/mp4") << "audio/x-m4r" << false;
    QTest::newRow("WebM audio inheriting video/webm") << "audio/webm" << false;
    QTest::newRow("generic Ogg, mostly audio") << "application/ogg" << false;
    QTest::newRow("Flash movie, not a video container")
        << "application/vnd.adobe.flash.movie" << false;
    QTest::newRow("HLS playlist") << "application/vnd.apple.mpegurl" << false;
}

void tst_VideoFileTyping::isVideoType()
{
    QFETCH(QString, mimeType);
    QFETCH(bool, expected);

    const QMimeType type = QMimeDatabase().mimeTypeForName(mimeType);
    QVERIFY2(type.isValid(), qPrintable(mimeType));
    QCOMPARE(VideoFileTyping().isVideoType(type), expected);
}

void tst_VideoFileTyping::mayBeVideo_data()
{
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<bool>("expected");

    const auto file = [](const char *path) { return QUrl::fromLocalFile(QString::fromUtf8(path)); };
    QTest::newRow("video name") << file("/nowhere/clip.mp4") << true;
    QTest::newRow("name shared by video and text types") << file("/nowhere/clip.ts") << true;
    QTest::newRow("name shared by video and audio types") << file("/nowhere/clip.ogg") << true;
    // A folder without a dot looks the same; only the drop's full typing can tell.
    QTest::newRow("no extension: content might say video") << file("/nowhere/clip") << true;
    QTest::newRow("awkward video name") << file("/nowhere/-\"it's\"\nété.mkv") << true;
    // Audio and image names are checked by content when dropped: camcorders name video .MOD.
    QTest::newRow("audio name") << file("/nowhere/sound.mp3") << true;
    QTest::newRow("camcorder name read as tracker music") << file("/nowhere/clip.MOD") << true;
    QTest::newRow("image name") << file("/nowhere/picture.png") << true;
    QTest::newRow("text name") << file("/nowhere/notes.txt") << false;
    QTest::newRow("document name") << file("/nowhere/letter.pdf") << false;
    QTest::newRow("web address") << QUrl(QStringLiteral("https://example.com/clip.mp4")) << false;
}

void tst_VideoFileTyping::mayBeVideo()
{
    QFETCH(QUrl, url);
    QFETCH(bool, expected);

    QCOMPARE(VideoFileTyping().mayBeVideo(url), expected);
}

QTEST_GUILESS_MAIN(tst_VideoFileTyping)
#include "tst_videofiletyping.moc"
