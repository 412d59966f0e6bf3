// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EncodeTrial.h"

#include "ConvertedFile.h"

std::optional<EncodeTrial> EncodeTrial::forFile(const MediaInfo &media, qint64 fileBytes)
{
    if (!media.widelyPlayable || media.durationMs.value_or(0) < MinimumDurationMs ||
        media.picture.isEmpty())
        return std::nullopt;
    const double bitsPerSecond = double(fileBytes) * 8 * 1000 / double(*media.durationMs);
    const double pixels = double(media.picture.width()) * double(media.picture.height());
    if (bitsPerSecond > MaximumBitsPerPixelSecond * pixels)
        return std::nullopt;
    return EncodeTrial(*media.durationMs);
}

EncodeTrial::EncodeTrial(qint64 durationMs)
    : m_durationMs(durationMs)
    , m_lengthSeconds(qBound(qint64(3), durationMs / 10000, qint64(10)))
    // From the middle: a title or a fade at the start says little of the rest.
    , m_startSeconds((durationMs / 1000 - m_lengthSeconds) / 2)
{}

QStringList EncodeTrial::arguments() const
{
    return {QStringLiteral("--start-at"), QStringLiteral("seconds:%1").arg(m_startSeconds),
            QStringLiteral("--stop-at"), QStringLiteral("seconds:%1").arg(m_lengthSeconds)};
}

bool EncodeTrial::encodeWouldSaveATenth(qint64 sliceBytes, qint64 inputBytes) const
{
    const double wholeBytes =
        double(sliceBytes) * double(m_durationMs) / (m_lengthSeconds * 1000.0);
    return ConvertedFile::savesATenth(wholeBytes, double(inputBytes));
}
