// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// Writes small real media files with ffmpeg, so that typing is tested on what the encoder and
// the file manager would really meet. Each call says whether the file was made.
namespace SampleMedia {

// A 0.2 s test picture; extraArguments go before the output name (codec, format...).
bool makeClip(const QString &path, const QStringList &extraArguments = {});
bool makeAudio(const QString &path, const QStringList &extraArguments = {});
bool makeImage(const QString &path);
// A test card with a tone, in H.264 and AAC, for the real encoder; size is "WIDTHxHEIGHT".
bool makeMovie(const QString &path, const QString &size, int rate, double seconds,
               const QStringList &extraArguments = {});
bool makeText(const QString &path, const QByteArray &content = "Shopping list\n");
// A Blu-ray picture subtitle stream (.sup) that whitens a 640x360 picture for its first 0.9 s.
bool makePictureSubtitle(const QString &path);

} // namespace SampleMedia
