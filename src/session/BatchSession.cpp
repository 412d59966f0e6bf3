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
    connect(m_converter, &BatchConverter::currentFileIndexChanged, m_state,
            &ScreenState::setCurrentFileIndex);
    connect(m_converter, &BatchConverter::conversionProgressChanged, m_state,
            &ScreenState::setConversionProgress);
    connect(m_converter, &BatchConverter::fileFinished, this, &BatchSession::onFileFinished);
    connect(m_converter, &BatchConverter::finished, this, &BatchSession::finishConversion);
    connect(m_converter, &BatchConverter::currentFileIndexChanged, this,
            &BatchSession::onFileBegan);
    connect(m_converter, &BatchConverter::conversionProgressChanged, this,
            &BatchSession::onFileProgress);
    connect(m_converter, &BatchConverter::fileSecondsLeftReported, this,
            &BatchSession::onFileSecondsLeft);
    connect(m_state, &ScreenState::droppedFilesChanged, this,
            &BatchSession::forgetRestoredFilesIfCleared);
}

BatchSession::~BatchSession() = default;

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
        m_converter->append(added);
        m_batchFiles += added;
        for (const QUrl &file : added)
            m_timing.fileSizes.append(QFileInfo(file.toLocalFile()).size());
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
    m_batchFiles = m_state->droppedFiles();
    m_outcomesSoFar.clear();
    m_keepRecord = false;
    m_restoring.clear();
    writeRecord();
    m_state->setRestoredFileCount(0);
    m_state->setCurrentFileIndex(0);
    m_state->setConversionProgress(0.0);
    m_state->setSecondsLeft(std::nullopt);
    m_timing = {};
    for (const QUrl &file : m_state->droppedFiles())
        m_timing.fileSizes.append(QFileInfo(file.toLocalFile()).size());
    m_fileClock.start();
    m_state->setConverting(true);
    m_converter->start(m_batchFiles);
}

void BatchSession::onFileFinished(const FileOutcome &outcome)
{
    // Between two encodes, never during one: the record costs the encoder nothing.
    m_outcomesSoFar.append(outcome);
    writeRecord();
}

void BatchSession::writeRecord()
{
    if (m_record)
        m_record->write(m_batchFiles, m_outcomesSoFar);
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

void BatchSession::onFileBegan(qint64 index)
{
    // The file before has ended; only a converted one tells how fast this machine converts.
    const BatchOutcomes &outcomes = m_outcomesSoFar;
    if (!outcomes.isEmpty() && outcomes.last().converted()) {
        m_timing.convertedBytes += m_timing.fileSizes.value(outcomes.size() - 1);
        m_timing.convertedMs += m_fileClock.elapsed();
    }
    m_timing.currentIndex = index;
    m_timing.currentFraction = 0.0;
    m_timing.encoderSecondsLeft.reset();
    m_fileClock.restart();
    estimateTimeLeft();
}

void BatchSession::onFileProgress(double fraction)
{
    m_timing.currentFraction = fraction;
    estimateTimeLeft();
}

void BatchSession::onFileSecondsLeft(qint64 seconds)
{
    m_timing.encoderSecondsLeft = seconds;
    estimateTimeLeft();
}

void BatchSession::estimateTimeLeft()
{
    if (!m_state->isConverting())
        return;
    m_timing.currentElapsedMs = m_fileClock.elapsed();
    m_state->setSecondsLeft(BatchProgress::secondsLeft(m_timing));
}

void BatchSession::goBack()
{
    if (!m_state->showCompletionView())
        return;
    m_state->setDroppedFiles({});
    m_state->setShowCompletionView(false);
}
