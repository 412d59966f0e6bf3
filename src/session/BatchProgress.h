#pragma once

#include <QList>

#include <optional>

// How far a running batch has come and how long it still needs, from what the encoder reports
// about the current file and what the batch has shown so far.
namespace BatchProgress {

// The share of the whole batch done, each file counting alike: 0 to 1, whatever the encoder
// reported.
double fraction(qint64 currentFileIndex, double fileFraction, qsizetype fileCount);

struct Timing
{
    QList<qint64> fileSizes; // in bytes, in batch order
    qsizetype currentIndex = 0;
    double currentFraction = 0.0;             // of the current file
    std::optional<qint64> encoderSecondsLeft; // the encoder's own estimate for the current file
    qint64 currentElapsedMs = 0;              // since the current file began
    qint64 convertedBytes = 0;                // of the files converted earlier in this batch
    qint64 convertedMs = 0;                   // the time those took
};

// Estimates beyond this are not believed.
inline constexpr qint64 longestBelievableSeconds = 99 * 3600;
// The least a speed must have been measured over before files are timed by it.
inline constexpr qint64 shortestMeasurementMs = 2000;

// The seconds the batch still needs: the encoder's estimate for the current file, and for each
// file not yet begun its size at the speed measured so far in this batch. Without the encoder's
// estimate the current file is timed by that speed too. Nothing while either is unknown, or
// when the sum is beyond belief.
std::optional<qint64> secondsLeft(const Timing &timing);

} // namespace BatchProgress
