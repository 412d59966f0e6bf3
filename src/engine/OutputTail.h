// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayList>
#include <QByteArrayView>
#include <QStringList>

// The last few lines written to one of the encoder's channels, kept to tell why an encode
// failed. Memory stays bounded whatever the encoder writes: a few lines, each cut short.
class OutputTail
{
public:
    static constexpr qsizetype KeptLines = 12;
    static constexpr qsizetype MaxLineLength = 300;

    // Lines end at "\n" or "\r"; blank lines are not kept.
    void append(QByteArrayView bytes);
    // Oldest first, an unfinished last line included.
    QStringList lines() const;

private:
    void endLine();

    QByteArrayList m_lines;
    QByteArray m_partial;
};
