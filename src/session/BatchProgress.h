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

// The seconds the batch still needs, after `measuringMs` of work since an encoder first
// reported progress. All that is not yet converted, in seconds of video where every file's
// duration is known, else in bytes, at the speed the batch has shown over that time: files
// running side by side share the processor, so the last one left speeds up as the others end,
// which the encoders' own estimates learn only late. Before that speed is known, at the pace
// the encoders' estimates imply, or, where durations are unknown and nothing waits, the longest
// of those estimates. Nothing while what is needed is unknown, or when the answer is beyond
// belief.
std::optional<qint64> secondsLeft(const QList<BatchFile> &files, qint64 measuringMs);

} // namespace BatchProgress
