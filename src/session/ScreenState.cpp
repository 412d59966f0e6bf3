// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreenState.h"

ScreenState::ScreenState(QObject *parent)
    : QObject(parent)
{}

void ScreenState::setDroppedFiles(const QList<QUrl> &files)
{
    if (files == m_droppedFiles)
        return;
    m_droppedFiles = files;
    Q_EMIT droppedFilesChanged();
}

void ScreenState::addDroppedFile(const QUrl &file)
{
    addDroppedFiles({file});
}

QList<QUrl> ScreenState::addDroppedFiles(const QList<QUrl> &files)
{
    // Plain URL equality on purpose: no link resolution, no case folding.
    QList<QUrl> added;
    for (const QUrl &file : files) {
        if (!m_droppedFiles.contains(file) && !added.contains(file))
            added.append(file);
    }
    if (added.isEmpty())
        return added;
    m_droppedFiles.append(added);
    Q_EMIT droppedFilesChanged();
    return added;
}

void ScreenState::setRestoredFileCount(qsizetype count)
{
    if (count == m_restoredFileCount)
        return;
    m_restoredFileCount = count;
    Q_EMIT restoredFileCountChanged(count);
}

void ScreenState::setConverting(bool converting)
{
    if (converting == m_isConverting)
        return;
    m_isConverting = converting;
    Q_EMIT isConvertingChanged(converting);
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

void ScreenState::setSecondsLeft(std::optional<qint64> seconds)
{
    if (seconds == m_secondsLeft)
        return;
    m_secondsLeft = seconds;
    Q_EMIT secondsLeftChanged();
}

void ScreenState::setShowCompletionView(bool show)
{
    if (show == m_showCompletionView)
        return;
    m_showCompletionView = show;
    Q_EMIT showCompletionViewChanged(show);
}

void ScreenState::setOutputFolder(const QUrl &folder)
{
    if (folder == m_outputFolder)
        return;
    m_outputFolder = folder;
    Q_EMIT outputFolderChanged();
}

void ScreenState::setBatchOutcomes(const BatchOutcomes &outcomes)
{
    // FileOutcome has no equality, and a batch sets its outcomes once: always announce them.
    m_batchOutcomes = outcomes;
    Q_EMIT batchOutcomesChanged();
}

void ScreenState::setSizeSummary(const SizeSummary &summary)
{
    // Set once per batch, like the outcomes.
    m_sizeSummary = summary;
    Q_EMIT sizeSummaryChanged();
}
