// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileIntake.h"

#include "IntakeWalk.h"

FileIntake::FileIntake(QObject *parent)
    : QObject(parent)
{}

FileIntake::~FileIntake()
{
    // Walks not yet started are dropped and running ones stop at their next entry; what they
    // post to this object goes with it.
    cancel();
    m_pool.clear();
    m_pool.waitForDone();
}

void FileIntake::take(const QList<QUrl> &urls)
{
    for (const QUrl &url : urls)
        takeFrom([url] { return QList<QUrl>{url}; });
}

void FileIntake::takeFrom(std::function<QList<QUrl>()> source)
{
    const quint64 generation = m_generation;
    const quint64 sequence = m_nextSequence++;
    const auto interval = m_foldersSeenInterval;
    m_pool.start([this, generation, sequence, interval, source = std::move(source)] {
        const auto post = [this, generation, sequence](const Held &found) {
            QMetaObject::invokeMethod(
                this, [=, this] { receive(generation, sequence, found); }, Qt::QueuedConnection);
        };
        const auto stillWanted = [this, generation] { return m_generation == generation; };
        IntakeWalk walk(m_aliases, stillWanted,
                        [&post](const QList<QUrl> &videos, const QList<FileIdentity> &identities) {
                            post({videos, identities, false});
                        });
        walk.tellFoldersSeen(
            [=, this](qsizetype count) {
                QMetaObject::invokeMethod(
                    this, [=, this] { receiveFoldersSeen(generation, sequence, count); },
                    Qt::QueuedConnection);
            },
            interval);
        walk.run(source());
        post({{}, {}, true});
    });
}

void FileIntake::cancel()
{
    ++m_generation;
    m_held.clear();
    m_told = {};
    m_nextToTell = m_nextSequence;
    m_foldersSeen.clear();
}

void FileIntake::setFoldersSeenInterval(std::chrono::milliseconds interval)
{
    m_foldersSeenInterval = interval;
}

void FileIntake::receiveFoldersSeen(quint64 generation, quint64 sequence, qsizetype count)
{
    if (generation != m_generation)
        return;
    m_foldersSeen[sequence] = count;
    tellFoldersSeen();
}

void FileIntake::tellFoldersSeen()
{
    qsizetype total = 0;
    for (const qsizetype count : std::as_const(m_foldersSeen))
        total += count;
    Q_EMIT foldersSeenChanged(total);
}

void FileIntake::receive(quint64 generation, quint64 sequence, const Held &found)
{
    if (generation != m_generation)
        return;
    Held &held = m_held[sequence];
    held.videos += found.videos;
    held.identities += found.identities;
    held.done = found.done;
    if (found.done && m_foldersSeen.remove(sequence) > 0)
        tellFoldersSeen();

    // Tells what the first unfinished URL has found, and all of each URL after it that is done.
    for (auto first = m_held.begin(); first != m_held.end() && first.key() == m_nextToTell;
         first = m_held.begin()) {
        m_told.videos += first->videos;
        m_told.identities += first->identities;
        if (!first->done) {
            first->videos.clear();
            first->identities.clear();
            break;
        }
        m_held.erase(first);
        ++m_nextToTell;
    }
    if (!m_told.videos.isEmpty() && !m_tellScheduled) {
        m_tellScheduled = true;
        QMetaObject::invokeMethod(this, &FileIntake::tell, Qt::QueuedConnection);
    }
}

// Once for all that the walks posted meanwhile: thousands of files given at once are listed in
// a few steps, not thousands.
void FileIntake::tell()
{
    m_tellScheduled = false;
    Held told;
    std::swap(told, m_told);
    if (!told.videos.isEmpty())
        Q_EMIT videosFound(told.videos, told.identities);
}
