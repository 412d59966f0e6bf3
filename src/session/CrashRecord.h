// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

// The record of a running batch in the user's state folder: its input files in order and, for
// each one that has ended, whether it was converted. While it exists, the last batch did not end,
// so a batch cut short by a crash, a logout or a power cut can be offered again at the next
// start.
class CrashRecord
{
public:
    static constexpr int formatVersion = 1;

    explicit CrashRecord(const QString &path);

    // clipforger/batch.json in the XDG state folder ($XDG_STATE_HOME, else ~/.local/state).
    static QString defaultPath();

    QString path() const { return m_path; }

    // Replaces the record atomically; false when it could not be written. `converted` tells, for
    // each input that has ended, whether it was converted.
    bool write(const QList<QUrl> &inputs, const QList<std::optional<bool>> &converted) const;
    void remove() const;

    // The inputs of an unfinished batch that were not converted, in batch order; empty when
    // there is no record. A record that cannot be read is set aside under another name, so that
    // it is never read again and never lost.
    QList<QUrl> unconvertedInputs() const;

private:
    void setAside() const;

    QString m_path;
};
