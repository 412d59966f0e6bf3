// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>

class BatchList;
class CrashRecord;
class QLockFile;
class ReadableAliases;

// Keeps the record of the running batch as its files end, so that a batch cut short by a crash,
// a logout or a power cut is offered again at the next start, and offers it: the files it left
// unconverted are listed with a note saying so, until the list is emptied or converted. Only one
// running instance holds the record; for the others this does nothing. It reads the list and is
// told by the list's owner how the batch moves on; it tells what the screens should say.
class CrashRecorder : public QObject
{
    Q_OBJECT

public:
    // Files that join a running batch are recorded this long after they arrive, so that a
    // folder listed in many small steps is written once, not at every step.
    static constexpr int joinedFilesDelayMs = 500;

    // Files listed through `aliases` are recorded as the files they stand for.
    CrashRecorder(const BatchList *files, const ReadableAliases *aliases,
                  QObject *parent = nullptr);
    ~CrashRecorder() override;

    // Takes the record at `path` unless another instance holds it. Returns what reads the files
    // an unfinished batch of an earlier run left unconverted, to be listed again: on a worker
    // thread, as a long record takes a while. Nothing when another instance holds the record.
    // This recorder must outlive that work.
    std::function<QList<QUrl>()> takeRecordAt(const QString &path);
    // The app is going away: the running batch's record stays when it ends, so that its files
    // not converted are offered at the next start.
    void keepRecordAtEnd() { m_keepRecord = true; }

    // The list's files entered a new batch.
    void batchStarted();
    // Files joined the running batch.
    void filesJoined();
    // The file at `index` ended.
    void fileEnded(qsizetype index);
    // Every file of the batch has ended.
    void batchEnded();
    // Files were added to or removed from the next batch's list.
    void listChanged();
    // A new list begins: none of the files on it so far were left by an earlier run.
    void listRestarted();

Q_SIGNALS:
    // The running batch goes without its record, as the state folder cannot be written.
    void crashRecoveryOffChanged(bool off);
    // How many of the listed files an unfinished batch of an earlier run left unconverted.
    void restoredFileCountChanged(qsizetype count);

private:
    void setRestoredFileCount(qsizetype count);
    void write();

    const BatchList *m_files;
    const ReadableAliases *m_aliases;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<CrashRecord> m_record;
    bool m_keepRecord = false;
    // The state folder would not even take the record's lock.
    bool m_folderUnwritable = false;
    // Offered files not yet listed, and how far the list has been looked through for them.
    QSet<QUrl> m_restoring;
    qsizetype m_listedLookedAt = 0;
    qsizetype m_restoredFileCount = 0;
    QTimer m_joinedFilesWrite;
};
