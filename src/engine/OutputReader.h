// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "OutputTail.h"

#include <QObject>
#include <QProcess>

// Reads one output channel of a running encoder, reports the progress found in it and keeps its
// last lines.
// Buffered output is drained on every notification, so memory stays bounded by what one pipe
// holds, whatever the encoder writes.
class OutputReader : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 ChunkSize = 1024;

    OutputReader(QProcess *process, QProcess::ProcessChannel channel, QObject *parent = nullptr);

    // Parses whatever is still buffered; for the last output after the process has ended.
    void drain();

    const OutputTail &tail() const { return m_tail; }

Q_SIGNALS:
    void progressParsed(double fraction);
    void secondsLeftParsed(qint64 seconds);

private:
    QProcess *m_process;
    QProcess::ProcessChannel m_channel;
    OutputTail m_tail;
};
