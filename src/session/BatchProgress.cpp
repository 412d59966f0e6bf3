#include "BatchProgress.h"

#include <algorithm>
#include <cmath>

namespace BatchProgress {

namespace {

double clampedFraction(double fraction)
{
    return std::isfinite(fraction) ? std::clamp(fraction, 0.0, 1.0) : 0.0;
}

// Bytes per second over the files converted so far and the current file's part done.
std::optional<double> measuredSpeed(const Timing &timing, qint64 currentSize)
{
    const double bytes =
        double(timing.convertedBytes) + clampedFraction(timing.currentFraction) * currentSize;
    const qint64 ms = timing.convertedMs + timing.currentElapsedMs;
    if (ms < shortestMeasurementMs || bytes <= 0)
        return std::nullopt;
    return bytes / (double(ms) / 1000.0);
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
    const qsizetype count = timing.fileSizes.size();
    if (timing.currentIndex < 0 || timing.currentIndex >= count)
        return std::nullopt;
    const qint64 currentSize = std::max<qint64>(timing.fileSizes[timing.currentIndex], 0);
    double bytesNotBegun = 0;
    for (qsizetype i = timing.currentIndex + 1; i < count; ++i)
        bytesNotBegun += double(std::max<qint64>(timing.fileSizes[i], 0));

    const std::optional<double> speed = measuredSpeed(timing, currentSize);
    double seconds = 0;
    if (timing.encoderSecondsLeft && *timing.encoderSecondsLeft >= 0)
        seconds += double(*timing.encoderSecondsLeft);
    else if (speed)
        seconds += (1.0 - clampedFraction(timing.currentFraction)) * currentSize / *speed;
    else
        return std::nullopt;
    if (bytesNotBegun > 0) {
        if (!speed)
            return std::nullopt;
        seconds += bytesNotBegun / *speed;
    }
    if (!std::isfinite(seconds) || seconds > double(longestBelievableSeconds))
        return std::nullopt;
    return qint64(std::llround(seconds));
}

} // namespace BatchProgress
