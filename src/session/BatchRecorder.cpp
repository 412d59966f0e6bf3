// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BatchRecorder.h"

#include "BatchRecord.h"
#include "ScreenState.h"
#include "engine/ProcessLiveness.h"
#include "intake/ReadableAliases.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

using Screen = ScreenState::Screen;

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

BatchRecorder::BatchRecorder(ScreenState *state, const ReadableAliases *aliases, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_aliases(aliases)
{
    m_joinedFilesWrite.setSingleShot(true);
    m_joinedFilesWrite.setInterval(joinedFilesDelayMs);
    connect(&m_joinedFilesWrite, &QTimer::timeout, this, &BatchRecorder::write);
    // Connected before anyone else can be, so that a file's end is recorded before the screens
    // move on from it.
    const BatchList &files = m_state->files();
    connect(m_state, &ScreenState::screenChanged, this, &BatchRecorder::onScreenChanged);
    connect(&files, &BatchList::filesChanged, this, &BatchRecorder::onFilesChanged);
    connect(&files, &BatchList::stageChanged, this, &BatchRecorder::onStageChanged);
}

BatchRecorder::~BatchRecorder() = default;

std::function<QList<QUrl>()> BatchRecorder::takeRecordAt(const QString &path)
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
    m_record = std::make_unique<BatchRecord>(path);
    m_listedLookedAt = m_state->files().size();
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

void BatchRecorder::onScreenChanged()
{
    if (!m_record) {
        m_state->setCrashRecoveryIsOff(m_folderUnwritable && m_state->isConverting());
        return;
    }
    switch (m_state->screen()) {
    case Screen::Converting:
        m_keepRecord = false;
        m_restoring.clear();
        m_state->setRestoredFileCount(0);
        write();
        break;
    case Screen::Completion:
        m_joinedFilesWrite.stop();
        // With the cancelled files' ends.
        if (m_keepRecord)
            write();
        else
            m_record->remove();
        break;
    case Screen::Drop:
        m_listedLookedAt = m_state->files().size();
        break;
    }
}

void BatchRecorder::onFilesChanged()
{
    if (!m_record)
        return;
    if (m_state->isConverting()) {
        m_joinedFilesWrite.start();
        return;
    }
    if (m_state->screen() == Screen::Drop)
        countRestoredFiles();
}

void BatchRecorder::onStageChanged(qsizetype index)
{
    // When a file ends, not while it is encoded: the record costs the encoders nothing. At once,
    // so that the record never lags behind the folder. Not for a cancelled file: the batch ends
    // with it, and its end is kept, or the record removed, then; Stop cancels thousands at once.
    const BatchFile &file = m_state->files().at(index);
    if (m_record && file.stage == BatchFile::Stage::Finished &&
        file.outcome.failure != FileOutcome::Failure::Cancelled)
        write();
}

void BatchRecorder::countRestoredFiles()
{
    const BatchList &files = m_state->files();
    if (files.isEmpty()) {
        m_listedLookedAt = 0;
        // Emptying the list forgets what the last run left.
        if (m_state->restoredFileCount() > 0) {
            m_state->setRestoredFileCount(0);
            m_restoring.clear();
            m_record->remove();
        }
        return;
    }
    if (files.size() < m_listedLookedAt)
        m_listedLookedAt = 0;
    qsizetype restored = 0;
    for (; m_listedLookedAt < files.size(); ++m_listedLookedAt)
        restored +=
            m_restoring.remove(m_aliases->originalOf(files.at(m_listedLookedAt).url)) ? 1 : 0;
    if (restored > 0)
        m_state->setRestoredFileCount(m_state->restoredFileCount() + restored);
}

void BatchRecorder::write()
{
    m_joinedFilesWrite.stop();
    QList<QUrl> inputs;
    QList<std::optional<bool>> converted;
    for (const BatchFile &file : m_state->files()) {
        inputs.append(m_aliases->originalOf(file.url));
        converted.append(file.stage == BatchFile::Stage::Finished
                             ? std::optional(file.outcome.converted())
                             : std::nullopt);
    }
    m_state->setCrashRecoveryIsOff(!m_record->write(inputs, converted));
}
