// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EncodePace.h"

void EncodePace::progressed(double fraction, qint64 atMs)
{
    if (!m_opening)
        m_opening = atMs;
    m_last = {fraction, atMs};
    if (!m_from)
        m_from = m_last;
}

std::optional<qint64> EncodePace::msLeft() const
{
    if (m_last.fraction >= 1)
        return 0;
    if (!m_from || m_last.fraction <= m_from->fraction || m_last.atMs <= m_from->atMs)
        return std::nullopt;
    const double msPerShare =
        double(m_last.atMs - m_from->atMs) / (m_last.fraction - m_from->fraction);
    return qRound64((1 - m_last.fraction) * msPerShare);
}

bool EncodePace::isEnding(double nextPictureScale) const
{
    const std::optional<qint64> left = msLeft();
    return left && m_opening && *left <= leadOpenings * *m_opening * nextPictureScale;
}
