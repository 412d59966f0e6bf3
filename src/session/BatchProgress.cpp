// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BatchProgress.h"

#include <algorithm>
#include <cmath>

namespace BatchProgress {

namespace {

using Stage = BatchFile::Stage;

double clampedFraction(double fraction)
{
    return std::isfinite(fraction) ? std::clamp(fraction, 0.0, 1.0) : 0.0;
}

std::optional<qint64> believable(double seconds)
{
    if (!std::isfinite(seconds) || seconds < 0 || seconds > double(longestBelievableSeconds))
        return std::nullopt;
    return qint64(std::llround(seconds));
}

// The encoders' estimates, when every file still to do is converting and has one.
std::optional<double> encoderEstimate(const QList<BatchFile> &files)
{
    double longest = 0;
    for (const BatchFile &file : files) {
        if (file.stage == Stage::Waiting)
            return std::nullopt;
        if (file.stage != Stage::Converting)
            continue;
        if (!file.encoderSecondsLeft)
            return std::nullopt;
        longest = std::max(longest, double(*file.encoderSecondsLeft));
    }
    return longest;
}

// The bytes still to convert at the batch's speed so far: converted files and the converting
// files' parts done, over the time since the batch began.
std::optional<double> measuredEstimate(const QList<BatchFile> &files, qint64 elapsedMs)
{
    double done = 0;
    double remaining = 0;
    for (const BatchFile &file : files) {
        const double size = double(std::max<qint64>(file.size, 0));
        switch (file.stage) {
        case Stage::Finished:
            done += file.outcome.converted() ? size : 0.0;
            break;
        case Stage::Converting:
            done += clampedFraction(file.fraction) * size;
            remaining += (1.0 - clampedFraction(file.fraction)) * size;
            break;
        case Stage::Waiting:
            remaining += size;
            break;
        case Stage::Listed:
            break;
        }
    }
    if (elapsedMs < shortestMeasurementMs || done <= 0)
        return std::nullopt;
    return remaining / (done / (double(elapsedMs) / 1000.0));
}

} // namespace

qsizetype currentFileIndex(const QList<BatchFile> &files)
{
    qsizetype current = 0;
    while (current + 1 < files.size() && files[current].stage == Stage::Finished)
        ++current;
    return current;
}

double fraction(const QList<BatchFile> &files)
{
    if (files.isEmpty())
        return 0.0;
    const qsizetype current = currentFileIndex(files);
    const BatchFile &file = files[current];
    const double fileFraction =
        file.stage == Stage::Converting ? clampedFraction(file.fraction) : 0.0;
    return std::clamp((double(current) + fileFraction) / double(files.size()), 0.0, 1.0);
}

std::optional<qint64> secondsLeft(const QList<BatchFile> &files, qint64 elapsedMs)
{
    const bool anythingLeft = std::any_of(files.cbegin(), files.cend(),
                                          [](const BatchFile &file) { return file.isPending(); });
    if (!anythingLeft)
        return std::nullopt;
    if (const std::optional<double> seconds = encoderEstimate(files))
        return believable(*seconds);
    if (const std::optional<double> seconds = measuredEstimate(files, elapsedMs))
        return believable(*seconds);
    return std::nullopt;
}

} // namespace BatchProgress
