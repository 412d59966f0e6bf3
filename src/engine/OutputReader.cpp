// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OutputReader.h"

#include "ProgressParser.h"

OutputReader::OutputReader(QProcess *process, QProcess::ProcessChannel channel, QObject *parent)
    : QObject(parent)
    , m_process(process)
    , m_channel(channel)
{
    if (channel == QProcess::StandardOutput)
        connect(process, &QProcess::readyReadStandardOutput, this, &OutputReader::drain);
    else
        connect(process, &QProcess::readyReadStandardError, this, &OutputReader::drain);
}

void OutputReader::drain()
{
    m_process->setReadChannel(m_channel);
    while (m_process->bytesAvailable() > 0) {
        const QByteArray chunk = m_process->read(ChunkSize);
        if (chunk.isEmpty())
            break;
        m_tail.append(chunk);
        const std::optional<EncoderReport> report = parseReportChunk(chunk);
        if (!report)
            continue;
        Q_EMIT progressParsed(report->fileFraction);
        if (report->secondsLeft)
            Q_EMIT secondsLeftParsed(*report->secondsLeft);
    }
}
