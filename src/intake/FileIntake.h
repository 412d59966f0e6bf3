// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ReadableAliases.h"
#include "files/FileIdentity.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QThreadPool>
#include <QUrl>

#include <atomic>
#include <chrono>
#include <functional>

// Types given URLs off the main thread and reports the videos among them in the order the URLs
// were given, each as soon as it and every URL given before it are known. A folder contributes
// the video files inside it, in name order, reported in batches while it is walked; a walk that
// takes a while also tells how many folders it has entered.
class FileIntake : public QObject
{
    Q_OBJECT

public:
    explicit FileIntake(QObject *parent = nullptr);
    ~FileIntake() override;

    // Returns at once; every URL is typed, or walked, on its own.
    void take(const QList<QUrl> &urls);
    // The same for the URLs that `source` gives, in their turn among the takes, where getting
    // them is itself work for a worker thread (reading a file, say).
    void takeFrom(std::function<QList<QUrl>()> source);
    // Forgets every take still at work: nothing more arrives from them, not even their end.
    void cancel();

    // How long a walk goes before it first tells the folders it has seen, and then how often.
    void setFoldersSeenInterval(std::chrono::milliseconds interval);

    // The links through which files whose names Qt cannot read are listed.
    const ReadableAliases &aliases() const { return m_aliases; }

Q_SIGNALS:
    // Each video's identity on the disk beside it, in the same order.
    void videosFound(const QList<QUrl> &urls, const QList<FileIdentity> &identities);
    // The folders that the walks still at work have entered, in all; 0 once they have ended.
    void foldersSeenChanged(qsizetype count);

private:
    // What the typing of one given URL has found so far, while a URL given before it is still
    // being typed.
    struct Held
    {
        QList<QUrl> videos;
        QList<FileIdentity> identities;
        bool done = false;
    };

    void receive(quint64 generation, quint64 sequence, const Held &found);
    void receiveFoldersSeen(quint64 generation, quint64 sequence, qsizetype count);
    void tellFoldersSeen();
    void tell();

    // Our own pool, so that typing never waits behind other users of the global one; its
    // threads are released after a while without work.
    QThreadPool m_pool;
    ReadableAliases m_aliases;
    // Raised by cancel(); work begun under an older value stops and its findings are dropped.
    std::atomic<quint64> m_generation = 0;
    // Each given URL's place in the order given; the first one whose videos are not all told.
    quint64 m_nextSequence = 0;
    quint64 m_nextToTell = 0;
    QMap<quint64, Held> m_held;
    // In order, not yet told.
    Held m_told;
    bool m_tellScheduled = false;
    std::chrono::milliseconds m_foldersSeenInterval{250};
    // Per take still walking that has told any.
    QMap<quint64, qsizetype> m_foldersSeen;
};
