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
    // HandBrakeCLI begins each progress line with "\r", so a line is known complete only once the
    // next one begins: the newest line waits for the next, a fifth of a second later.
    m_process->setReadChannel(m_channel);
    std::optional<EncoderReport> newest;
    while (m_process->bytesAvailable() > 0) {
        const QByteArray chunk = m_process->read(ChunkSize);
        if (chunk.isEmpty())
            break;
        m_tail.append(chunk);
        m_unfinishedLine.append(chunk);
        const qsizetype end =
            qMax(m_unfinishedLine.lastIndexOf('\n'), m_unfinishedLine.lastIndexOf('\r'));
        if (end >= 0) {
            if (std::optional<EncoderReport> report =
                    parseReportLines(QByteArrayView(m_unfinishedLine).first(end)))
                newest = report;
            m_unfinishedLine.remove(0, end + 1);
        }
        if (m_unfinishedLine.size() > MaxUnfinishedLine)
            m_unfinishedLine.remove(0, m_unfinishedLine.size() - MaxUnfinishedLine);
    }
    if (!newest)
        return;
    Q_EMIT progressParsed(newest->fileFraction);
    if (newest->secondsLeft)
        Q_EMIT secondsLeftParsed(*newest->secondsLeft);
}
