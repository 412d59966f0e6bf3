// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgressTracker.h"

#include "BatchProgress.h"

#include <algorithm>

void ProgressTracker::start()
{
    m_batchClock.start();
    m_pausedMs = 0;
    m_paused = false;
    m_firstProgressAtMs.reset();
    m_secondsLeft.reset();
}

void ProgressTracker::pause()
{
    if (m_paused)
        return;
    m_paused = true;
    m_pauseClock.start();
}

void ProgressTracker::resume()
{
    if (!m_paused)
        return;
    m_paused = false;
    m_pausedMs += m_pauseClock.elapsed();
}

ProgressTracker::Progress ProgressTracker::measure(const QList<BatchFile> &files)
{
    // The encoder scans a file before it reports any progress. Later files' scans overlap the
    // encodes running beside them, but the first one holds up everything, so a speed measured
    // across it would make the batch look slower than it is. A file that ended between two
    // looks has progressed too.
    const auto hasProgressed = [](const BatchFile &file) { return file.fraction > 0; };
    if (!m_firstProgressAtMs && std::any_of(files.cbegin(), files.cend(), hasProgressed))
        m_firstProgressAtMs = workingMs();
    if (!m_paused) {
        const qint64 measuringMs = m_firstProgressAtMs ? workingMs() - *m_firstProgressAtMs : 0;
        m_secondsLeft = BatchProgress::secondsLeft(files, measuringMs);
    }
    Progress progress;
    progress.currentFileIndex = BatchProgress::currentFileIndex(files);
    progress.currentFileFraction = BatchProgress::oldestConvertingFraction(files);
    progress.batchPercent = int(BatchProgress::fraction(files) * 100.0);
    progress.filesLeft = files.size() - progress.currentFileIndex;
    progress.secondsLeft = m_secondsLeft;
    return progress;
}

qint64 ProgressTracker::workingMs() const
{
    return m_batchClock.elapsed() - m_pausedMs;
}
