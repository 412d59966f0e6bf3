// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SampleMedia.h"

#include <QFile>
#include <QProcess>

namespace {

bool runFfmpeg(const QStringList &input, const QStringList &extraArguments, const QString &path)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 QStringList{QStringLiteral("-v"), QStringLiteral("error"),
                             QStringLiteral("-nostdin"), QStringLiteral("-y")} +
                     input + extraArguments + QStringList{path});
    return ffmpeg.waitForFinished(30000) && ffmpeg.exitStatus() == QProcess::NormalExit &&
           ffmpeg.exitCode() == 0 && QFile(path).size() > 0;
}

} // namespace

namespace SampleMedia {

bool makeClip(const QString &path, const QStringList &extraArguments)
{
    // 25 frames a second: MPEG-1/2 and MXF take no other rate of testsrc's size.
    return runFfmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                      QStringLiteral("testsrc=duration=0.2:size=64x48:rate=25")},
                     extraArguments, path);
}

bool makeAudio(const QString &path, const QStringList &extraArguments)
{
    return runFfmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                      QStringLiteral("sine=duration=0.2")},
                     extraArguments, path);
}

bool makeImage(const QString &path)
{
    return makeClip(path, {QStringLiteral("-frames:v"), QStringLiteral("1")});
}

bool makeMovie(const QString &path, const QString &size, int rate, double seconds,
               const QStringList &extraArguments)
{
    return runFfmpeg(
        {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
         QStringLiteral("testsrc2=size=%1:rate=%2:duration=%3").arg(size).arg(rate).arg(seconds),
         QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
         QStringLiteral("sine=frequency=440:duration=%1").arg(seconds)},
        QStringList{QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
                    QStringLiteral("ultrafast"), QStringLiteral("-c:a"), QStringLiteral("aac"),
                    QStringLiteral("-shortest")} +
            extraArguments,
        path);
}

bool makeText(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

bool makePictureSubtitle(const QString &path)
{
    // Composition, window, palette (white) and picture; its 360 lines, each one run of 640 white
    // pixels; the end of the set, then an empty set at 0.9 s.
    const QByteArray shown = QByteArray::fromHex(
        "5047000000000000000016001302800168100000800000010000000000000000504700000000000000001700"
        "0a0100000000000280016850470000000000000000140007000001eb8080ff5047000000000000000015087b"
        "000000c000087402800168");
    const QByteArray cleared = QByteArray::fromHex(
        "50470000000000000000800000504700013c680000000016000b0280016810000080000000504700013c6800"
        "00000017000a01000000000002800168504700013c6800000000800000");
    return makeText(path, shown + QByteArray::fromHex("00c280010000").repeated(360) + cleared);
}

} // namespace SampleMedia
