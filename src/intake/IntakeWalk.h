// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VideoFileTyping.h"
#include "files/FileIdentity.h"

#include <QElapsedTimer>
#include <QList>
#include <QSet>
#include <QUrl>

#include <chrono>
#include <functional>

#include <sys/stat.h>

class ReadableAliases;

// Finds, on a worker thread, the videos that given URLs stand for, in their order; for each: the
// file itself, or for a folder the video files inside it, recursively, in name order within each
// folder. Hidden entries inside a folder are skipped, each folder is entered once (so link loops
// end), and whatever cannot be read or is gone by the time it is looked at is passed over. Videos
// are handed on in small batches as they are found, each with its identity on the disk. A walk
// that takes a while tells, every so often, how many folders it has entered.
class IntakeWalk
{
public:
    using Deliver =
        std::function<void(const QList<QUrl> &videos, const QList<FileIdentity> &identities)>;
    using StillWanted = std::function<bool()>;
    using TellFoldersSeen = std::function<void(qsizetype count)>;

    IntakeWalk(ReadableAliases &aliases, StillWanted stillWanted, Deliver deliver);

    // Told first once the walk has gone on for `interval`, then at most once each `interval`.
    void tellFoldersSeen(TellFoldersSeen tell, std::chrono::milliseconds interval);

    void run(const QList<QUrl> &urls);

private:
    void visit(const QUrl &url);
    void visitFolder(const QByteArray &path);
    void visitFile(const QByteArray &path, const struct stat &info);
    void enterFolder(const struct stat &info);
    void flush();

    ReadableAliases &m_aliases;
    StillWanted m_stillWanted;
    Deliver m_deliver;
    VideoFileTyping m_typing;
    QSet<std::pair<quint64, quint64>> m_visitedFolders;
    QList<QUrl> m_found;
    QList<FileIdentity> m_identities;
    QElapsedTimer m_sinceDelivery;
    TellFoldersSeen m_tellFoldersSeen;
    std::chrono::milliseconds m_foldersSeenInterval{0};
    QElapsedTimer m_sinceFoldersSeenTold;
};
