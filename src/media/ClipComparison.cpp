// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClipComparison.h"

#include "MediaProbe.h"

#include <QFileInfo>

#include <cstdlib>

namespace ClipComparison {

namespace {

qint64 toleranceMs(qint64 originalMs)
{
    return std::max<qint64>(1000, originalMs / 100);
}

} // namespace

QDateTime recordingDate(const MediaInfo &original, const QString &originalPath)
{
    return original.recorded.isValid() ? original.recorded : QFileInfo(originalPath).lastModified();
}

bool endedShort(const MediaInfo &original, const QString &convertedPath, MediaHelperPool &helpers)
{
    if (!original.durationMs)
        return false;
    const std::optional<qint64> converted = MediaProbe::durationMs(convertedPath, helpers);
    return converted && *converted < *original.durationMs - toleranceMs(*original.durationMs);
}

bool sameClip(const MediaInfo &original, const QString &originalPath, const MediaInfo &converted)
{
    if (!converted.readable || !original.readable || !converted.durationMs || !original.durationMs)
        return false;
    if (std::abs(*converted.durationMs - *original.durationMs) > toleranceMs(*original.durationMs))
        return false;
    if (converted.audioTracks != original.audioTracks)
        return false;
    return converted.recorded.isValid() &&
           converted.recorded.toSecsSinceEpoch() ==
               recordingDate(original, originalPath).toSecsSinceEpoch();
}

bool keepsSubtitlesAndChapters(const MediaInfo &original, const MediaInfo &converted)
{
    return converted.subtitleIsText.count(true) >= original.subtitleIsText.count(true) &&
           (original.chapters <= 1 || converted.chapters >= original.chapters) &&
           (!original.hasCover || converted.hasCover);
}

} // namespace ClipComparison
