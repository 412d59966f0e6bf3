// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "OutputTail.h"

#include <QObject>
#include <QProcess>

// Reads one output channel of a running encoder, reports the progress found in it and keeps its
// last lines. Each drain reports only the newest complete progress line it has read, so a burst
// of output costs one update. Memory stays bounded whatever the encoder writes: output is read in
// chunks, and of a line still unfinished only its last MaxUnfinishedLine bytes wait for the rest.
class OutputReader : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 ChunkSize = 1024;
    // Far above a progress line; a longer one keeps its end, where a progress line may follow
    // output that had no line end of its own.
    static constexpr qsizetype MaxUnfinishedLine = 1024;

    OutputReader(QProcess *process, QProcess::ProcessChannel channel, QObject *parent = nullptr);

    // Reads whatever is buffered; also for the last output after the process has ended.
    void drain();

    const OutputTail &tail() const { return m_tail; }

Q_SIGNALS:
    void progressParsed(double fraction);
    void secondsLeftParsed(qint64 seconds);

private:
    QProcess *m_process;
    QProcess::ProcessChannel m_channel;
    OutputTail m_tail;
    QByteArray m_unfinishedLine;
};
