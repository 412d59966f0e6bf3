// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/BatchFile.h"

#include <QList>

#include <optional>

// How far a running batch has come and how long it still needs, from where each of its files
// stands.
namespace BatchProgress {

// The file the converting screen counts: one past the files ended, or the last, so that the
// count goes up by one as each file ends, whichever of the files running side by side it is.
qsizetype currentFileIndex(const QList<BatchFile> &files);

// The share done of the file that has been converting longest; 0 when none is.
double oldestConvertingFraction(const QList<BatchFile> &files);

// The share of the whole batch done, 0 to 1, whatever the encoder reported: each file weighs
// as much as it lasts where every file's duration is known, else each file counts alike.
double fraction(const QList<BatchFile> &files);

// Estimates beyond this are not believed.
inline constexpr qint64 longestBelievableSeconds = 99 * 3600;
// The least a speed must have been measured over before files are timed by it.
inline constexpr qint64 shortestMeasurementMs = 2000;

// The seconds the batch still needs, `elapsedMs` after it began. With nothing left waiting, the
// encoders' own estimates for the files they convert, the longest of them, as those files run
// side by side. Otherwise all that is not yet converted, in seconds of video where every file's
// duration is known, else in bytes, at the speed the batch has shown so far; before that speed
// is known, at the speed the encoders' own estimates imply. Nothing while what is needed is
// unknown, or when the answer is beyond belief.
std::optional<qint64> secondsLeft(const QList<BatchFile> &files, qint64 elapsedMs);

} // namespace BatchProgress
