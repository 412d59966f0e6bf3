// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>

#include <optional>

// How far a running batch has come and how long it still needs, from what the encoder reports
// about the current file and what the batch has shown so far.
namespace BatchProgress {

// The share of the whole batch done, each file counting alike: 0 to 1, whatever the encoder
// reported.
double fraction(qint64 currentFileIndex, double fileFraction, qsizetype fileCount);

struct FileTiming
{
    enum class Stage { Waiting, Running, Converted, Failed };

    bool hasEnded() const { return stage == Stage::Converted || stage == Stage::Failed; }

    qint64 size = 0; // in bytes
    Stage stage = Stage::Waiting;
    double fraction = 0.0;                    // of the file, while it runs
    std::optional<qint64> encoderSecondsLeft; // the encoder's own estimate, while it runs
};

struct Timing
{
    QList<FileTiming> files; // in batch order
    qint64 elapsedMs = 0;    // since the batch began
};

// Estimates beyond this are not believed.
inline constexpr qint64 longestBelievableSeconds = 99 * 3600;
// The least a speed must have been measured over before files are timed by it.
inline constexpr qint64 shortestMeasurementMs = 2000;

// The seconds the batch still needs. With nothing left waiting, the encoders' own estimates for
// the files they run, the longest of them, as those files run side by side. Otherwise every byte
// not yet converted at the speed the batch has shown so far. Nothing while what is needed is
// unknown, or when the answer is beyond belief.
std::optional<qint64> secondsLeft(const Timing &timing);

} // namespace BatchProgress
