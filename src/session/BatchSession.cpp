// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BatchSession.h"

#include "BatchRecord.h"
#include "ScreenState.h"
#include "engine/BatchConverter.h"
#include "intake/DropIntake.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

BatchSession::BatchSession(const QString &encoderPath, const QString &outputFolder, QObject *parent)
    : QObject(parent)
    , m_outputFolder(outputFolder)
    , m_state(new ScreenState(this))
    , m_intake(new DropIntake(this))
    , m_converter(new BatchConverter(encoderPath, outputFolder, this))
{
    connect(m_intake, &DropIntake::videosFound, this, &BatchSession::onVideosFound);
    m_converter->setCapacity(EncodeCapacity::ofThisMachine());
    connect(m_converter, &BatchConverter::fileStarted, this, &BatchSession::onFileStarted);
    connect(m_converter, &BatchConverter::fileProgress, this, &BatchSession::onFileProgress);
    connect(m_converter, &BatchConverter::fileSecondsLeftReported, this,
            &BatchSession::onFileSecondsLeft);
    connect(m_converter, &BatchConverter::fileFinished, this, &BatchSession::onFileFinished);
    connect(m_converter, &BatchConverter::finished, this, &BatchSession::finishConversion);
    connect(m_state, &ScreenState::droppedFilesChanged, this,
            &BatchSession::forgetRestoredFilesIfCleared);
}

BatchSession::~BatchSession() = default;

void BatchSession::setEncodeCapacity(const EncodeCapacity &capacity)
{
    m_converter->setCapacity(capacity);
}

void BatchSession::recordBatchesAt(const QString &path)
{
    if (m_record)
        return;
    QDir().mkpath(QFileInfo(path).path());
    auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    // Only a lock whose owner is gone is stale, however old it is.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return;
    m_recordLock = std::move(lock);
    m_record = std::make_unique<BatchRecord>(path);

    m_restoring = m_record->unconvertedInputs();
    m_intake->take(m_restoring);
}

void BatchSession::addFiles(const QList<QUrl> &urls)
{
    m_intake->take(urls);
}

void BatchSession::clearFiles()
{
    if (m_state->isConverting() || m_state->showCompletionView())
        return;
    m_intake->cancel();
    m_state->setDroppedFiles({});
}

void BatchSession::onVideosFound(const QList<QUrl> &urls)
{
    if (m_state->showCompletionView()) {
        // The list is built before the drop screen is, which then shows it at once.
        m_state->setDroppedFiles({});
        m_state->addDroppedFiles(urls);
        m_state->setShowCompletionView(false);
        return;
    }
    const QList<QUrl> added = m_state->addDroppedFiles(urls);
    if (m_state->isConverting()) {
        addToBatch(added);
        m_converter->append(added);
        writeRecord();
        return;
    }
    qsizetype restored = 0;
    for (const QUrl &url : added)
        restored += m_restoring.removeOne(url) ? 1 : 0;
    if (restored > 0)
        m_state->setRestoredFileCount(m_state->restoredFileCount() + restored);
}

void BatchSession::startConversion()
{
    if (m_state->droppedFiles().isEmpty() || m_state->isConverting())
        return;
    m_batchFiles.clear();
    m_timing = {};
    addToBatch(m_state->droppedFiles());
    m_keepRecord = false;
    m_restoring.clear();
    writeRecord();
    m_state->setRestoredFileCount(0);
    m_state->setCurrentFileIndex(0);
    m_state->setConversionProgress(0.0);
    m_state->setSecondsLeft(std::nullopt);
    m_batchClock.start();
    m_state->setConverting(true);
    m_converter->start(m_batchFiles);
}

void BatchSession::addToBatch(const QList<QUrl> &files)
{
    m_batchFiles += files;
    for (const QUrl &file : files) {
        BatchProgress::FileTiming timing;
        timing.size = QFileInfo(file.toLocalFile()).size();
        m_timing.files.append(timing);
    }
}

void BatchSession::onFileStarted(qsizetype index)
{
    m_timing.files[index].stage = BatchProgress::FileTiming::Stage::Running;
}

void BatchSession::onFileProgress(qsizetype index, double fraction)
{
    m_timing.files[index].fraction = fraction;
    showCurrentFile();
    estimateTimeLeft();
}

void BatchSession::onFileSecondsLeft(qsizetype index, qint64 seconds)
{
    m_timing.files[index].encoderSecondsLeft = seconds;
    estimateTimeLeft();
}

void BatchSession::onFileFinished(qsizetype index, const FileOutcome &outcome)
{
    using Stage = BatchProgress::FileTiming::Stage;
    BatchProgress::FileTiming &file = m_timing.files[index];
    file.stage = outcome.converted() ? Stage::Converted : Stage::Failed;
    file.encoderSecondsLeft.reset();
    // When a file ends, not while it is encoded: the record costs the encoders nothing.
    writeRecord();
    showCurrentFile();
    estimateTimeLeft();
}

// The screens follow the oldest file still converting; when it ends, the next one takes its
// place, possibly part-way done already.
void BatchSession::showCurrentFile()
{
    const QList<BatchProgress::FileTiming> &files = m_timing.files;
    qsizetype current = 0;
    while (current + 1 < files.size() && files[current].hasEnded())
        ++current;
    m_state->setCurrentFileIndex(current);
    const bool running = files[current].stage == BatchProgress::FileTiming::Stage::Running;
    m_state->setConversionProgress(running ? files[current].fraction : 0.0);
}

void BatchSession::writeRecord()
{
    if (!m_record)
        return;
    using Stage = BatchProgress::FileTiming::Stage;
    QList<std::optional<bool>> converted;
    for (const BatchProgress::FileTiming &file : std::as_const(m_timing.files))
        converted.append(file.hasEnded() ? std::optional(file.stage == Stage::Converted)
                                         : std::nullopt);
    m_record->write(m_batchFiles, converted);
}

void BatchSession::stopConversion()
{
    m_converter->cancel();
}

void BatchSession::cancelConversion()
{
    m_keepRecord = true;
    m_converter->cancel();
}

void BatchSession::finishConversion(const BatchOutcomes &outcomes)
{
    if (m_record && !m_keepRecord)
        m_record->remove();
    // All in one turn of the event loop, so nothing is painted half way. Outcomes and folder go
    // first: the completion screen reads them when it is built.
    m_state->setBatchOutcomes(outcomes);
    m_state->setSizeSummary(SizeSummary::measure(outcomes));
    m_state->setSecondsLeft(std::nullopt);
    m_state->setOutputFolder(QUrl::fromLocalFile(m_outputFolder));
    m_state->setConverting(false);
    m_state->setShowCompletionView(true);
}

void BatchSession::forgetRestoredFilesIfCleared()
{
    if (m_state->restoredFileCount() == 0 || !m_state->droppedFiles().isEmpty() ||
        m_state->isConverting())
        return;
    m_state->setRestoredFileCount(0);
    m_restoring.clear();
    if (m_record)
        m_record->remove();
}

void BatchSession::estimateTimeLeft()
{
    if (!m_state->isConverting())
        return;
    m_timing.elapsedMs = m_batchClock.elapsed();
    m_state->setSecondsLeft(BatchProgress::secondsLeft(m_timing));
}

void BatchSession::goBack()
{
    if (!m_state->showCompletionView())
        return;
    m_state->setDroppedFiles({});
    m_state->setShowCompletionView(false);
}
