// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QtGlobal>

#include <optional>

// What one line of the encoder's output says about the current file.
struct EncoderReport
{
    // Of the whole file: an encode that the encoder runs as several tasks (a subtitle scan, then
    // the encode) counts each task as an equal share, so the file's share never falls back.
    double fileFraction = 0.0;
    // The encoder's own estimate of the time the file still needs, from the ETA its line carries
    // once the last task encodes.
    std::optional<qint64> secondsLeft;
};

// The report of the newest of `lines` that carries a percent: a line that is a whole JSON object
// {"Progress": {"PercentComplete": n}}, else one holding "Encoding: task i of n, p %". Lines end
// at "\r" or "\n"; one that is not valid UTF-8 says nothing.
std::optional<EncoderReport> parseReportLines(QByteArrayView lines);

// The percent of that same line, of its own task rather than of the file, divided by 100 and
// unclamped.
std::optional<double> parseProgressLines(QByteArrayView lines);
