// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QTemporaryDir>
#include <QUrl>

#include <functional>
#include <memory>

// Gives files whose paths Qt cannot read a second, readable path: a symbolic link in a private
// temporary folder, named as a person reads the file's own name ("caf\xe9.mp4" -> "café.mp4").
// The lists, the output's name and the encoder all work with the link; the file itself is never
// touched. Links live as long as this object. Safe to use from any thread.
class ReadableAliases
{
public:
    // The URL to list for the file at `path`: its own when Qt reads the path right, else that of
    // its link, made on first use and the same on every later call. Empty when no link could be
    // made.
    QUrl urlFor(const QByteArray &path);
    // The file a listed URL stands for, by its own path's bytes: for a link made here, the URL
    // of the file it leads to; any other URL as it is. Links go with the app, the file stays.
    QUrl originalOf(const QUrl &listed) const;

    // Removes the folders of links that instances which no longer run left in `tempFolder` when
    // they were killed; `isRunningInstance` tells them by their process ids. Returns how many.
    static int removeLeftBehind(const QString &tempFolder,
                                const std::function<bool(qint64 pid)> &isRunningInstance);

private:
    mutable QMutex m_mutex;
    std::unique_ptr<QTemporaryDir> m_folder;
    QHash<QByteArray, QUrl> m_links;
    QHash<QUrl, QByteArray> m_originals;
};
