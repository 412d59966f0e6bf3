// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BatchProgress.h"

#include <algorithm>
#include <cmath>

namespace BatchProgress {

namespace {

double clampedFraction(double fraction)
{
    return std::isfinite(fraction) ? std::clamp(fraction, 0.0, 1.0) : 0.0;
}

using Stage = FileTiming::Stage;

std::optional<qint64> believable(double seconds)
{
    if (!std::isfinite(seconds) || seconds < 0 || seconds > double(longestBelievableSeconds))
        return std::nullopt;
    return qint64(std::llround(seconds));
}

// The encoders' estimates, when every file still to do is running and has one.
std::optional<double> encoderEstimate(const Timing &timing)
{
    double longest = 0;
    for (const FileTiming &file : timing.files) {
        if (file.stage == Stage::Waiting)
            return std::nullopt;
        if (file.stage != Stage::Running)
            continue;
        if (!file.encoderSecondsLeft)
            return std::nullopt;
        longest = std::max(longest, double(*file.encoderSecondsLeft));
    }
    return longest;
}

// The bytes still to convert at the batch's speed so far: converted files and the running
// files' parts done, over the time since the batch began.
std::optional<double> measuredEstimate(const Timing &timing)
{
    double done = 0;
    double remaining = 0;
    for (const FileTiming &file : timing.files) {
        const double size = double(std::max<qint64>(file.size, 0));
        switch (file.stage) {
        case Stage::Converted:
            done += size;
            break;
        case Stage::Running:
            done += clampedFraction(file.fraction) * size;
            remaining += (1.0 - clampedFraction(file.fraction)) * size;
            break;
        case Stage::Waiting:
            remaining += size;
            break;
        case Stage::Failed:
            break;
        }
    }
    if (timing.elapsedMs < shortestMeasurementMs || done <= 0)
        return std::nullopt;
    return remaining / (done / (double(timing.elapsedMs) / 1000.0));
}

} // namespace

double fraction(qint64 currentFileIndex, double fileFraction, qsizetype fileCount)
{
    if (fileCount <= 0)
        return 0.0;
    const double done =
        double(std::clamp<qint64>(currentFileIndex, 0, fileCount)) + clampedFraction(fileFraction);
    return std::clamp(done / double(fileCount), 0.0, 1.0);
}

std::optional<qint64> secondsLeft(const Timing &timing)
{
    const bool anythingLeft = std::any_of(timing.files.cbegin(), timing.files.cend(),
                                          [](const FileTiming &file) { return !file.hasEnded(); });
    if (!anythingLeft)
        return std::nullopt;
    if (const std::optional<double> seconds = encoderEstimate(timing))
        return believable(*seconds);
    if (const std::optional<double> seconds = measuredEstimate(timing))
        return believable(*seconds);
    return std::nullopt;
}

} // namespace BatchProgress
