// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CrashRecorder.h"

#include "CrashRecord.h"
#include "engine/BatchList.h"
#include "engine/ProcessLiveness.h"
#include "intake/ReadableAliases.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

namespace {

// QLockFile takes a killed owner for a running one until its parent has reaped it, which a
// restart right after a crash comes too soon for.
bool ownerHasEnded(const QLockFile &lock)
{
    qint64 pid = 0;
    QString host;
    return lock.getLockInfo(&pid, &host, nullptr) && host == QSysInfo::machineHostName() &&
           ProcessLiveness::hasEnded(pid);
}

} // namespace

CrashRecorder::CrashRecorder(const BatchList *files, const ReadableAliases *aliases,
                             QObject *parent)
    : QObject(parent)
    , m_files(files)
    , m_aliases(aliases)
{
    m_joinedFilesWrite.setSingleShot(true);
    m_joinedFilesWrite.setInterval(joinedFilesDelayMs);
    connect(&m_joinedFilesWrite, &QTimer::timeout, this, &CrashRecorder::write);
}

CrashRecorder::~CrashRecorder() = default;

std::function<QList<QUrl>()> CrashRecorder::takeRecordAt(const QString &path)
{
    if (m_record)
        return {};
    QDir().mkpath(QFileInfo(path).path());
    auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    // Only a lock whose owner is gone is stale, however old it is.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0) &&
        !(ownerHasEnded(*lock) && lock->removeStaleLockFile() && lock->tryLock(0))) {
        // Held by another instance, or not to be had at all.
        m_folderUnwritable = lock->error() != QLockFile::LockFailedError;
        return {};
    }
    m_lock = std::move(lock);
    m_record = std::make_unique<CrashRecord>(path);
    m_listedLookedAt = m_files->size();
    return [this, record = *m_record] {
        const QList<QUrl> unconverted = record.unconvertedInputs();
        // Posted before any of these files can be listed, so they are counted as they are.
        QMetaObject::invokeMethod(
            this,
            [this, restoring = QSet<QUrl>(unconverted.cbegin(), unconverted.cend())] {
                m_restoring = restoring;
            },
            Qt::QueuedConnection);
        return unconverted;
    };
}

void CrashRecorder::batchStarted()
{
    if (!m_record) {
        Q_EMIT crashRecoveryOffChanged(m_folderUnwritable);
        return;
    }
    m_keepRecord = false;
    m_restoring.clear();
    setRestoredFileCount(0);
    write();
}

void CrashRecorder::filesJoined()
{
    if (m_record)
        m_joinedFilesWrite.start();
}

void CrashRecorder::fileEnded(qsizetype index)
{
    // When a file ends, not while it is encoded: the record costs the encoders nothing. At once,
    // so that the record never lags behind the folder. Not for a cancelled file: the batch ends
    // with it, and its end is kept, or the record removed, then; Stop cancels thousands at once.
    const BatchFile &file = m_files->at(index);
    if (m_record && file.stage == BatchFile::Stage::Finished &&
        file.outcome.failure != FileOutcome::Failure::Cancelled)
        write();
}

void CrashRecorder::batchEnded()
{
    if (!m_record) {
        Q_EMIT crashRecoveryOffChanged(false);
        return;
    }
    m_joinedFilesWrite.stop();
    // With the cancelled files' ends.
    if (m_keepRecord)
        write();
    else
        m_record->remove();
}

void CrashRecorder::listRestarted()
{
    if (m_record)
        m_listedLookedAt = m_files->size();
}

void CrashRecorder::listChanged()
{
    if (!m_record)
        return;
    if (m_files->isEmpty()) {
        m_listedLookedAt = 0;
        // Emptying the list forgets what the last run left.
        if (m_restoredFileCount > 0) {
            setRestoredFileCount(0);
            m_restoring.clear();
            m_record->remove();
        }
        return;
    }
    if (m_files->size() < m_listedLookedAt)
        m_listedLookedAt = 0;
    qsizetype restored = 0;
    for (; m_listedLookedAt < m_files->size(); ++m_listedLookedAt)
        restored +=
            m_restoring.remove(m_aliases->originalOf(m_files->at(m_listedLookedAt).url)) ? 1 : 0;
    if (restored > 0)
        setRestoredFileCount(m_restoredFileCount + restored);
}

void CrashRecorder::setRestoredFileCount(qsizetype count)
{
    if (count == m_restoredFileCount)
        return;
    m_restoredFileCount = count;
    Q_EMIT restoredFileCountChanged(count);
}

void CrashRecorder::write()
{
    m_joinedFilesWrite.stop();
    QList<QUrl> inputs;
    QList<std::optional<bool>> converted;
    for (const BatchFile &file : *m_files) {
        inputs.append(m_aliases->originalOf(file.url));
        converted.append(file.stage == BatchFile::Stage::Finished
                             ? std::optional(file.outcome.converted())
                             : std::nullopt);
    }
    Q_EMIT crashRecoveryOffChanged(!m_record->write(inputs, converted));
}
