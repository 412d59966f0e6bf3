// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MediaInfo.h"

#include <QDataStream>

QDataStream &operator<<(QDataStream &stream, const MediaInfo &media)
{
    return stream << media.readable << media.durationMs.has_value() << media.durationMs.value_or(0)
                  << media.picture << media.squarePixels << media.highDynamicRange
                  << media.audioTracks << media.subtitleIsText << media.defaultSubtitle
                  << media.forcedPictureSubtitle << media.chapters << media.hasCover
                  << media.widelyPlayable << media.recorded << media.recordingTags;
}

QDataStream &operator>>(QDataStream &stream, MediaInfo &media)
{
    bool hasDuration = false;
    qint64 durationMs = 0;
    stream >> media.readable >> hasDuration >> durationMs >> media.picture >> media.squarePixels >>
        media.highDynamicRange >> media.audioTracks >> media.subtitleIsText >>
        media.defaultSubtitle >> media.forcedPictureSubtitle >> media.chapters >> media.hasCover >>
        media.widelyPlayable >> media.recorded >> media.recordingTags;
    media.durationMs = hasDuration ? std::optional<qint64>(durationMs) : std::nullopt;
    return stream;
}
