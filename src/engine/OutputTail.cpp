// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OutputTail.h"

void OutputTail::append(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (c == '\n' || c == '\r')
            endLine();
        else if (m_partial.size() < MaxLineLength)
            m_partial.append(c);
    }
}

void OutputTail::endLine()
{
    if (!m_partial.trimmed().isEmpty()) {
        m_lines.append(m_partial);
        if (m_lines.size() > KeptLines)
            m_lines.removeFirst();
    }
    m_partial.truncate(0);
}

QStringList OutputTail::lines() const
{
    QStringList result;
    for (const QByteArray &line : m_lines)
        result.append(QString::fromUtf8(line));
    if (!m_partial.trimmed().isEmpty())
        result.append(QString::fromUtf8(m_partial));
    return result;
}
