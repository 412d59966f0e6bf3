// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MediaHelperPool.h"
#include "MediaInfo.h"

#include <QDateTime>
#include <QString>

// Whether a converted file is still its original's clip: the one measure the converter holds an
// output to before it takes its name, and the Trash holds it to before the original goes.
namespace ClipComparison {

// When the original was recorded, as its converted file is dated: the date its headers give,
// else its file's modification time.
QDateTime recordingDate(const MediaInfo &original, const QString &originalPath);

// The converted file, read from its headers, falls short of the original's length by more than
// its frames' rounding (1 s, or 1% of a long clip). The encoder takes an input cut short while
// it reads it for a shorter clip, and reports success. False where either length is unknown.
bool endedShort(const MediaInfo &original, const QString &convertedPath,
                MediaHelperPool &helpers = *MediaHelperPool::bundled());

// The same clip, whole and dated as the original: as long within that rounding, with as many
// audio tracks, and recorded at the same second (MP4 keeps whole seconds). Never for a file
// whose headers could not be read.
bool sameClip(const MediaInfo &original, const QString &originalPath, const MediaInfo &converted);

// The converted file holds every text subtitle track of the original, its chapters where it has
// more than one, and its cover: what a conversion keeps.
bool keepsSubtitlesAndChapters(const MediaInfo &original, const MediaInfo &converted);

} // namespace ClipComparison
