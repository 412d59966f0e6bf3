// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/MediaInfo.h"

#include <QStringList>

#include <optional>

// A short encode of a slice from the middle of a file that plays nearly everywhere as it is, to
// learn before the whole encode whether that would save a tenth of the file's size. The encoder
// holds back several megabytes of its output until it ends, so a small file's encode cannot be
// judged while it runs; a slice's size, scaled to the whole length, can, at a fraction of the
// cost. Where the encode would not save a tenth, the file keeps its own streams without one.
class EncodeTrial
{
public:
    // The file must be long enough for the slice to be a small part of it.
    static constexpr qint64 MinimumDurationMs = 20'000;
    // The preset makes about 2 to 6 Mbit/s of a 1080p clip: a file of more than about 4 Mbit/s
    // there, 2 bits a second for each pixel, nearly always shrinks, and a slice would be time lost
    // on it (the long-clips benchmark took 1.13 of the time of one at a time with slices).
    static constexpr double MaximumBitsPerPixelSecond = 2;

    // Only for a file that plays nearly everywhere, is long enough, and is small for its size.
    static std::optional<EncodeTrial> forFile(const MediaInfo &media, qint64 fileBytes);

    // Added to the encoder's command line: the slice, a tenth of the file of 3 to 10 s.
    QStringList arguments() const;
    // From the slice's encoded size, the whole file's, against the input's size.
    bool encodeWouldSaveATenth(qint64 sliceBytes, qint64 inputBytes) const;

private:
    explicit EncodeTrial(qint64 durationMs);

    qint64 m_durationMs;
    qint64 m_lengthSeconds;
    qint64 m_startSeconds;
};
