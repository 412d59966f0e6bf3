#include "BatchSession.h"

#include "ScreenState.h"
#include "engine/BatchConverter.h"
#include "intake/DropIntake.h"

#include <QFileInfo>

BatchSession::BatchSession(const QString &encoderPath, const QString &outputFolder, QObject *parent)
    : QObject(parent)
    , m_outputFolder(outputFolder)
    , m_state(new ScreenState(this))
    , m_intake(new DropIntake(this))
    , m_converter(new BatchConverter(encoderPath, outputFolder, this))
{
    connect(m_intake, &DropIntake::videoFound, this, &BatchSession::onVideoFound);
    connect(m_converter, &BatchConverter::currentFileIndexChanged, m_state,
            &ScreenState::setCurrentFileIndex);
    connect(m_converter, &BatchConverter::conversionProgressChanged, m_state,
            &ScreenState::setConversionProgress);
    connect(m_converter, &BatchConverter::finished, this, &BatchSession::finishConversion);
    connect(m_converter, &BatchConverter::currentFileIndexChanged, this,
            &BatchSession::onFileBegan);
    connect(m_converter, &BatchConverter::conversionProgressChanged, this,
            &BatchSession::onFileProgress);
    connect(m_converter, &BatchConverter::fileSecondsLeftReported, this,
            &BatchSession::onFileSecondsLeft);
}

void BatchSession::addFiles(const QList<QUrl> &urls)
{
    m_intake->take(urls);
}

void BatchSession::onVideoFound(const QUrl &url)
{
    // The list is the running batch's own while it converts and until the user leaves the
    // completion screen.
    const bool batchOwnsTheList = m_state->isConverting() || m_state->showCompletionView();
    if (!batchOwnsTheList) {
        m_state->addDroppedFile(url);
        return;
    }
    if (!m_state->droppedFiles().contains(url) && !m_waitingFiles.contains(url))
        m_waitingFiles.append(url);
}

void BatchSession::startConversion()
{
    if (m_state->droppedFiles().isEmpty() || m_state->isConverting())
        return;
    m_state->setCurrentFileIndex(0);
    m_state->setConversionProgress(0.0);
    m_state->setSecondsLeft(std::nullopt);
    m_timing = {};
    for (const QUrl &file : m_state->droppedFiles())
        m_timing.fileSizes.append(QFileInfo(file.toLocalFile()).size());
    m_fileClock.start();
    m_state->setConverting(true);
    m_converter->start(m_state->droppedFiles());
}

void BatchSession::cancelConversion()
{
    m_converter->cancel();
}

void BatchSession::finishConversion(const BatchOutcomes &outcomes)
{
    // All in one turn of the event loop, so nothing is painted half way. Outcomes and folder go
    // first: the completion screen reads them when it is built.
    m_state->setBatchOutcomes(outcomes);
    m_state->setSizeSummary(SizeSummary::measure(outcomes));
    m_state->setSecondsLeft(std::nullopt);
    m_state->setOutputFolder(QUrl::fromLocalFile(m_outputFolder));
    m_state->setConverting(false);
    m_state->setShowCompletionView(true);
}

void BatchSession::onFileBegan(qint64 index)
{
    // The file before has ended; only a converted one tells how fast this machine converts.
    const BatchOutcomes outcomes = m_converter->outcomes();
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
    m_state->setDroppedFiles(m_waitingFiles);
    m_waitingFiles.clear();
    m_state->setShowCompletionView(false);
}
