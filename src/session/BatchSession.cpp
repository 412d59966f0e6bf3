#include "BatchSession.h"

#include "ScreenState.h"
#include "engine/BatchConverter.h"
#include "intake/DropIntake.h"

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
    connect(m_converter, &BatchConverter::finished, this, &BatchSession::finishConversion);
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
    if (m_state->isConverting())
        m_converter->append(added);
}

void BatchSession::startConversion()
{
    if (m_state->droppedFiles().isEmpty() || m_state->isConverting())
        return;
    m_state->setCurrentFileIndex(0);
    m_state->setConversionProgress(0.0);
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
    m_state->setOutputFolder(QUrl::fromLocalFile(m_outputFolder));
    m_state->setConverting(false);
    m_state->setShowCompletionView(true);
}

void BatchSession::goBack()
{
    if (!m_state->showCompletionView())
        return;
    m_state->setDroppedFiles({});
    m_state->setShowCompletionView(false);
}
