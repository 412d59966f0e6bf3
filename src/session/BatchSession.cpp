// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BatchSession.h"

#include "CrashRecorder.h"
#include "ScreenState.h"
#include "engine/BatchConverter.h"
#include "engine/HeaderReadQueue.h"
#include "intake/FileIntake.h"

using Screen = ScreenState::Screen;

BatchSession::BatchSession(const QString &encoderPath, const QString &outputFolder, QObject *parent)
    : QObject(parent)
    , m_outputFolder(outputFolder)
    , m_state(std::make_unique<ScreenState>())
    , m_intake(std::make_unique<FileIntake>())
    , m_headerReader(
          std::make_unique<HeaderReadQueue>(&m_state->files(), MediaHelperPool::bundled()))
    , m_recorder(std::make_unique<CrashRecorder>(&m_state->files(), &m_intake->aliases()))
    , m_converter(std::make_unique<BatchConverter>(encoderPath, outputFolder,
                                                   MediaHelperPool::bundled(), &m_state->files()))
{
    m_converter->setCapacity(EncodeCapacity::ofThisMachine());
    connect(m_intake.get(), &FileIntake::videosFound, this, &BatchSession::onVideosFound);
    connect(m_intake.get(), &FileIntake::foldersSeenChanged, m_state.get(),
            &ScreenState::setFoldersSeen);
    connect(m_headerReader.get(), &HeaderReadQueue::headersRead, this,
            &BatchSession::onHeadersRead);
    connect(m_converter.get(), &BatchConverter::fileBegan, this, &BatchSession::onFileBegan);
    connect(m_converter.get(), &BatchConverter::fileProgressed, this,
            &BatchSession::onFileProgressed);
    connect(m_converter.get(), &BatchConverter::fileEstimated, this,
            &BatchSession::onFileEstimated);
    connect(m_converter.get(), &BatchConverter::fileEnded, this, &BatchSession::onFileEnded);
    connect(m_converter.get(), &BatchConverter::finished, this, &BatchSession::finishConversion);
    connect(m_converter.get(), &BatchConverter::holdsChanged, this, [this](bool holds) {
        if (m_state->isConverting())
            m_state->setPaused(holds);
    });
    ScreenState *state = m_state.get();
    connect(m_recorder.get(), &CrashRecorder::crashRecoveryOffChanged, state,
            &ScreenState::setCrashRecoveryIsOff);
    connect(m_recorder.get(), &CrashRecorder::restoredFileCountChanged, state,
            &ScreenState::setRestoredFileCount);
}

// The encoders die first and take their partial outputs with them; then the header reader and
// the intake wait for the reads they have begun, and the recorder, whose record the intake may
// still be reading, goes after them. The state, which they all read, goes last.
BatchSession::~BatchSession()
{
    m_converter.reset();
    m_headerReader.reset();
    m_intake.reset();
    m_recorder.reset();
}

void BatchSession::setEncodeCapacity(const EncodeCapacity &capacity)
{
    m_converter->setCapacity(capacity);
}

void BatchSession::recordBatchesAt(const QString &path)
{
    if (const auto unconverted = m_recorder->takeRecordAt(path))
        m_intake->takeFrom(unconverted);
}

void BatchSession::addFiles(const QList<QUrl> &urls)
{
    m_intake->take(urls);
}

void BatchSession::clearFiles()
{
    if (m_state->screen() != Screen::Drop)
        return;
    m_intake->cancel();
    m_state->setFoldersSeen(0);
    m_state->files().clear();
    m_headerReader->readNewFiles();
    m_recorder->listChanged();
}

void BatchSession::onVideosFound(const QList<QUrl> &urls, const QList<FileIdentity> &identities)
{
    BatchList &files = m_state->files();
    switch (m_state->screen()) {
    case Screen::Completion:
        // The list is built before the drop screen is, which then shows it at once.
        files.replace(urls, identities);
        m_headerReader->readNewFiles();
        m_recorder->listRestarted();
        m_state->setScreen(Screen::Drop);
        break;
    case Screen::Converting:
        // They wait at the batch's end.
        files.append(urls, BatchFile::Stage::Waiting, identities);
        m_headerReader->readNewFiles();
        m_recorder->filesJoined();
        m_converter->reconsider();
        break;
    case Screen::Drop:
        files.append(urls, BatchFile::Stage::Listed, identities);
        m_headerReader->readNewFiles();
        m_recorder->listChanged();
        break;
    }
}

void BatchSession::onHeadersRead(qsizetype index, const MediaInfo &media)
{
    m_state->files().setMedia(index, media);
    m_converter->reconsider();
}

void BatchSession::onFileBegan(qsizetype index, const FileVersion &input)
{
    m_state->files().setConverting(index, input);
    followBatchLater();
}

void BatchSession::onFileProgressed(qsizetype index, double fraction)
{
    if (m_state->files().setProgress(index, fraction))
        followBatchLater();
}

void BatchSession::onFileEstimated(qsizetype index, qint64 secondsLeft)
{
    if (m_state->files().setEncoderSecondsLeft(index, secondsLeft))
        followBatchLater();
}

// The record hears of a file's end before the screens can move on from it.
void BatchSession::onFileEnded(qsizetype index, const FileOutcome &outcome)
{
    m_state->files().finish(index, outcome);
    m_recorder->fileEnded(index);
    followBatchLater();
}

void BatchSession::startConversion()
{
    if (m_state->files().isEmpty() || m_state->screen() != Screen::Drop)
        return;
    m_state->files().enterBatch();
    m_progress.start();
    showProgress();
    // Files listed straight into the state (the screen tour, tests) are read here too.
    m_headerReader->readNewFiles();
    m_recorder->batchStarted();
    m_state->setScreen(Screen::Converting);
    m_converter->start();
}

// Once for all the files that moved on in one turn of the event loop: Stop ends thousands at
// once, and each look goes through the whole list.
void BatchSession::followBatchLater()
{
    if (m_followScheduled)
        return;
    m_followScheduled = true;
    QMetaObject::invokeMethod(this, &BatchSession::followBatch, Qt::QueuedConnection);
}

void BatchSession::followBatch()
{
    m_followScheduled = false;
    if (m_state->isConverting())
        showProgress();
}

// The converting screen follows the oldest file still converting; when it ends, the next one
// takes its place, possibly part-way done already. The share done, the files left and the time
// left cover the whole batch.
void BatchSession::showProgress()
{
    const ProgressTracker::Progress progress = m_progress.measure(m_state->files().all());
    m_state->setCurrentFileIndex(progress.currentFileIndex);
    m_state->setConversionProgress(progress.currentFileFraction);
    m_state->setBatchPercent(progress.batchPercent);
    m_state->setFilesLeft(progress.filesLeft);
    m_state->setSecondsLeft(progress.secondsLeft);
}

// The window follows the request at once; the batch counts as paused, and lets the machine
// sleep, only once every encoder is seen to hold.
void BatchSession::setPaused(bool paused)
{
    if (!m_state->isConverting() || paused == m_state->isPauseAsked())
        return;
    m_state->setPauseAsked(paused);
    if (paused) {
        m_converter->pause();
        m_progress.pause();
    } else {
        m_converter->resume();
        m_progress.resume();
    }
    m_state->setPaused(m_converter->holds());
}

void BatchSession::stopConversion()
{
    m_converter->cancel();
}

void BatchSession::stopForQuit()
{
    if (m_state->isConverting())
        m_recorder->keepRecordAtEnd();
    m_converter->cancel();
}

void BatchSession::finishConversion()
{
    m_recorder->batchEnded();
    // All in one turn of the event loop, so nothing is painted half way. The report and the
    // folder go first: the completion screen reads them when it is built.
    const BatchOutcomes outcomes = m_state->files().outcomes();
    m_state->setReport(BatchReport(outcomes, SizeSummary::measure(outcomes)));
    m_state->setSecondsLeft(std::nullopt);
    m_state->setOutputFolder(QUrl::fromLocalFile(m_outputFolder));
    m_state->setFolderNotOpened(false);
    TrashOffer offer;
    offer.originals = TrashOffer::convertedOriginals(m_state->files());
    offer.stage =
        offer.originals.isEmpty() ? TrashOffer::Stage::NothingOffered : TrashOffer::Stage::Offered;
    offer.generation = m_state->trashOffer().generation + 1;
    m_state->setTrashOffer(offer);
    m_state->setScreen(Screen::Completion);
    // Once the batch has ended, so that nothing asks the desktop for sleep again on the way.
    m_state->setPauseAsked(false);
    m_state->setPaused(false);
}

void BatchSession::goBack()
{
    if (!m_state->isOnCompletionScreen())
        return;
    m_state->files().clear();
    m_headerReader->readNewFiles();
    m_recorder->listRestarted();
    m_state->setScreen(Screen::Drop);
}

void BatchSession::noteFolderNotOpened()
{
    if (m_state->isOnCompletionScreen())
        m_state->setFolderNotOpened(true);
}

void BatchSession::moveOriginalsToTrash()
{
    TrashOffer offer = m_state->trashOffer();
    if (!m_state->isOnCompletionScreen() || offer.stage != TrashOffer::Stage::Offered)
        return;
    offer.stage = TrashOffer::Stage::Moving;
    m_state->setTrashOffer(offer);
    Q_EMIT originalsToTrash(offer.generation, offer.originals);
}

void BatchSession::putOriginalsBack()
{
    TrashOffer offer = m_state->trashOffer();
    if (!m_state->isOnCompletionScreen() || offer.stage != TrashOffer::Stage::Moved ||
        offer.moves.moved.isEmpty())
        return;
    offer.stage = TrashOffer::Stage::PuttingBack;
    m_state->setTrashOffer(offer);
    Q_EMIT originalsToPutBack(offer.generation, offer.moves.moved);
}

void BatchSession::noteTrashMoves(int generation, const TrashOffer::Moves &moves)
{
    TrashOffer offer = m_state->trashOffer();
    if (generation != offer.generation || offer.stage != TrashOffer::Stage::Moving)
        return;
    offer.stage = TrashOffer::Stage::Moved;
    offer.moves = moves;
    m_state->setTrashOffer(offer);
    if (!m_state->isOnCompletionScreen())
        Q_EMIT trashMovesOutOfSight(offer);
}

void BatchSession::noteTrashReturns(int generation, const TrashOffer::Returns &returns)
{
    TrashOffer offer = m_state->trashOffer();
    if (generation != offer.generation || offer.stage != TrashOffer::Stage::PuttingBack)
        return;
    offer.stage = TrashOffer::Stage::PutBack;
    offer.returns = returns;
    m_state->setTrashOffer(offer);
}
