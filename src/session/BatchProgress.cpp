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

bool everyDurationIsKnown(const QList<BatchFile> &files)
{
    return std::all_of(files.cbegin(), files.cend(), [](const BatchFile &file) {
        return file.stage == Stage::Listed ||
               (file.media && file.media->durationMs.value_or(0) > 0);
    });
}

// How much there is to convert of a file: its seconds of video where all files' are known, as
// a long clip of few bytes takes longer than a short one of many; else its bytes.
double workOf(const BatchFile &file, bool byDuration)
{
    if (byDuration)
        return double(*file.media->durationMs) / 1000.0;
    return double(std::max<qint64>(file.size, 0));
}

// The work still to convert at the batch's speed so far: converted files and the converting
// files' parts done, over the time measured.
std::optional<double> measuredEstimate(const QList<BatchFile> &files, qint64 measuringMs)
{
    const bool byDuration = everyDurationIsKnown(files);
    double done = 0;
    double remaining = 0;
    for (const BatchFile &file : files) {
        if (file.stage == Stage::Listed)
            continue;
        const double work = workOf(file, byDuration);
        switch (file.stage) {
        case Stage::Finished:
            done += file.outcome.converted() ? work : 0.0;
            break;
        case Stage::Converting:
            done += clampedFraction(file.fraction) * work;
            remaining += (1.0 - clampedFraction(file.fraction)) * work;
            break;
        case Stage::Waiting:
            remaining += work;
            break;
        case Stage::Listed:
            break;
        }
    }
    if (measuringMs < shortestMeasurementMs || done <= 0)
        return std::nullopt;
    return remaining / (done / (double(measuringMs) / 1000.0));
}

// Before the batch has shown a speed: the seconds of video still to convert at the pace the
// encoders' own estimates imply for the files they convert, side by side.
std::optional<double> encoderPacedEstimate(const QList<BatchFile> &files)
{
    if (!everyDurationIsKnown(files))
        return std::nullopt;
    double pace = 0; // seconds of video a second, all encoders together
    double remaining = 0;
    for (const BatchFile &file : files) {
        if (!file.isPending())
            continue;
        const double left = (1.0 - clampedFraction(file.fraction)) * workOf(file, true);
        remaining += left;
        if (file.stage == Stage::Converting && file.encoderSecondsLeft > 0)
            pace += left / double(*file.encoderSecondsLeft);
    }
    if (pace <= 0)
        return std::nullopt;
    return remaining / pace;
}

} // namespace

qsizetype currentFileIndex(const QList<BatchFile> &files)
{
    const qsizetype ended = std::count_if(files.cbegin(), files.cend(), [](const BatchFile &file) {
        return file.stage == Stage::Finished;
    });
    return std::min(ended, std::max<qsizetype>(files.size() - 1, 0));
}

double oldestConvertingFraction(const QList<BatchFile> &files)
{
    const auto converting = std::find_if(files.cbegin(), files.cend(), [](const BatchFile &file) {
        return file.stage == Stage::Converting;
    });
    return converting == files.cend() ? 0.0 : converting->fraction;
}

double fraction(const QList<BatchFile> &files)
{
    const bool byDuration = everyDurationIsKnown(files);
    double done = 0;
    double all = 0;
    for (const BatchFile &file : files) {
        if (file.stage == Stage::Listed)
            continue;
        const double work = byDuration ? workOf(file, true) : 1.0;
        all += work;
        if (file.stage == Stage::Finished)
            done += work;
        else if (file.stage == Stage::Converting)
            done += clampedFraction(file.fraction) * work;
    }
    return all > 0 ? std::clamp(done / all, 0.0, 1.0) : 0.0;
}

std::optional<qint64> secondsLeft(const QList<BatchFile> &files, qint64 measuringMs)
{
    const bool anythingLeft = std::any_of(files.cbegin(), files.cend(),
                                          [](const BatchFile &file) { return file.isPending(); });
    if (!anythingLeft)
        return std::nullopt;
    std::optional<double> seconds = measuredEstimate(files, measuringMs);
    if (!seconds)
        seconds = encoderPacedEstimate(files);
    if (!seconds)
        seconds = encoderEstimate(files);
    return seconds ? believable(*seconds) : std::nullopt;
}

} // namespace BatchProgress
