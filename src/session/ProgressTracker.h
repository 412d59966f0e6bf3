// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/BatchFile.h"

#include <QElapsedTimer>
#include <QList>

#include <optional>

// Follows a running batch: its clock, with the time paused left out, and what the window, the
// taskbar and the converting screen show of its progress, all measured here from where each of
// its files stands, so that they never disagree.
class ProgressTracker
{
public:
    struct Progress
    {
        // The file the converting screen names, and its share done, unclamped.
        qsizetype currentFileIndex = 0;
        double currentFileFraction = 0.0;
        // The whole batch's share done, in whole percent, and the files not yet ended.
        int batchPercent = 0;
        qsizetype filesLeft = 0;
        // None while there is no sound estimate.
        std::optional<qint64> secondsLeft;
    };

    // A batch begins.
    void start();
    // While paused the time left stands still, as the encodes do, and no time is counted.
    void pause();
    void resume();

    Progress measure(const QList<BatchFile> &files);

private:
    qint64 workingMs() const;

    QElapsedTimer m_batchClock;
    QElapsedTimer m_pauseClock;
    qint64 m_pausedMs = 0;
    bool m_paused = false;
    // Working time when an encoder first reported progress: the batch's speed is measured from
    // there.
    std::optional<qint64> m_firstProgressAtMs;
    std::optional<qint64> m_secondsLeft;
};
