// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/BatchFile.h"

#include <QList>

#include <optional>

// How far a running batch has come and how long it still needs, from where each of its files
// stands.
namespace BatchProgress {

// The file the converting screen names: the oldest one not yet ended, or the last.
qsizetype currentFileIndex(const QList<BatchFile> &files);

// The share of the whole batch done, each file counting alike: 0 to 1, whatever the encoder
// reported.
double fraction(const QList<BatchFile> &files);

// Estimates beyond this are not believed.
inline constexpr qint64 longestBelievableSeconds = 99 * 3600;
// The least a speed must have been measured over before files are timed by it.
inline constexpr qint64 shortestMeasurementMs = 2000;

// The seconds the batch still needs, `elapsedMs` after it began. With nothing left waiting, the
// encoders' own estimates for the files they convert, the longest of them, as those files run
// side by side. Otherwise every byte not yet converted at the speed the batch has shown so far.
// Nothing while what is needed is unknown, or when the answer is beyond belief.
std::optional<qint64> secondsLeft(const QList<BatchFile> &files, qint64 elapsedMs);

} // namespace BatchProgress
