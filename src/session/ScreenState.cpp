// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreenState.h"

ScreenState::ScreenState(QObject *parent)
    : QObject(parent)
    , m_files(new BatchList(this))
{}

void ScreenState::setScreen(Screen screen)
{
    if (screen == m_screen)
        return;
    m_screen = screen;
    Q_EMIT screenChanged(screen);
}

void ScreenState::setPauseAsked(bool asked)
{
    if (asked == m_pauseAsked)
        return;
    m_pauseAsked = asked;
    Q_EMIT pauseAskedChanged(asked);
}

void ScreenState::setPaused(bool paused)
{
    if (paused == m_paused)
        return;
    m_paused = paused;
    Q_EMIT pausedChanged(paused);
}

void ScreenState::setRestoredFileCount(qsizetype count)
{
    if (count == m_restoredFileCount)
        return;
    m_restoredFileCount = count;
    Q_EMIT restoredFileCountChanged(count);
}

void ScreenState::setFoldersSeen(qsizetype count)
{
    if (count == m_foldersSeen)
        return;
    m_foldersSeen = count;
    Q_EMIT foldersSeenChanged(count);
}

void ScreenState::setCrashRecoveryIsOff(bool off)
{
    if (off == m_crashRecoveryIsOff)
        return;
    m_crashRecoveryIsOff = off;
    Q_EMIT crashRecoveryIsOffChanged();
}

void ScreenState::setCurrentFileIndex(qint64 index)
{
    if (index == m_currentFileIndex)
        return;
    m_currentFileIndex = index;
    Q_EMIT currentFileIndexChanged(index);
}

void ScreenState::setConversionProgress(double fraction)
{
    if (fraction == m_conversionProgress)
        return;
    m_conversionProgress = fraction;
    Q_EMIT conversionProgressChanged(fraction);
}

void ScreenState::setBatchPercent(int percent)
{
    if (percent == m_batchPercent)
        return;
    m_batchPercent = percent;
    Q_EMIT batchPercentChanged(percent);
}

void ScreenState::setFilesLeft(qsizetype count)
{
    if (count == m_filesLeft)
        return;
    m_filesLeft = count;
    Q_EMIT filesLeftChanged(count);
}

void ScreenState::setSecondsLeft(std::optional<qint64> seconds)
{
    if (seconds == m_secondsLeft)
        return;
    m_secondsLeft = seconds;
    Q_EMIT secondsLeftChanged();
}

void ScreenState::setReport(const BatchReport &report)
{
    m_report = report;
    Q_EMIT reportChanged();
}

void ScreenState::setTrashOffer(const TrashOffer &offer)
{
    m_trashOffer = offer;
    Q_EMIT trashOfferChanged();
}

void ScreenState::setFolderNotOpened(bool notOpened)
{
    if (notOpened == m_folderNotOpened)
        return;
    m_folderNotOpened = notOpened;
    Q_EMIT folderNotOpenedChanged();
}

void ScreenState::setOutputFolder(const QUrl &folder)
{
    if (folder == m_outputFolder)
        return;
    m_outputFolder = folder;
    Q_EMIT outputFolderChanged();
}
