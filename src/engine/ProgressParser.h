// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

// The fraction of the current file that the encoder reports as done (percent / 100, unclamped),
// read from one chunk of its output: a whole JSON object {"Progress": {"PercentComplete": n}}
// first, else the first "Encoding: task i of n, p %" line. No text carries over between chunks.
std::optional<double> parseProgress(const QString &chunk);

// The same for raw bytes: a chunk that is not valid UTF-8 is dropped whole.
std::optional<double> parseProgressChunk(QByteArrayView bytes);

// What one chunk of the encoder's output says about the current file.
struct EncoderReport
{
    // Of the whole file: an encode that the encoder runs as several tasks (a subtitle scan, then
    // the encode) counts each task as an equal share, so the file's share never falls back.
    double fileFraction = 0.0;
    // The encoder's own estimate of the time the file still needs, from the ETA its line carries
    // once the last task encodes.
    std::optional<qint64> secondsLeft;
};

// The percent that parseProgressChunk() reads, placed among the tasks of the same line, with
// that line's ETA.
std::optional<EncoderReport> parseReportChunk(QByteArrayView bytes);
