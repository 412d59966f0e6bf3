// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SizeSummary.h"
#include "engine/FileOutcome.h"

#include <QList>
#include <QObject>
#include <QUrl>

#include <optional>

// Everything the screens show, each value with one change signal. The batch session writes it;
// views render from it and keep no copy.
class ScreenState : public QObject
{
    Q_OBJECT

public:
    explicit ScreenState(QObject *parent = nullptr);

    // The files of the next batch, or of the running one.
    const QList<QUrl> &droppedFiles() const { return m_droppedFiles; }
    void setDroppedFiles(const QList<QUrl> &files);
    // Appends the file unless an equal URL is listed already.
    void addDroppedFile(const QUrl &file);
    // Appends each file that no equal URL is listed for, with one change; returns those.
    QList<QUrl> addDroppedFiles(const QList<QUrl> &files);

    // How many of the listed files an unfinished batch of an earlier run left unconverted.
    qsizetype restoredFileCount() const { return m_restoredFileCount; }
    void setRestoredFileCount(qsizetype count);

    bool isConverting() const { return m_isConverting; }
    void setConverting(bool converting);

    // The zero-based position of the file being converted.
    qint64 currentFileIndex() const { return m_currentFileIndex; }
    void setCurrentFileIndex(qint64 index);

    // The fraction of the current file that the encoder reports as done, unclamped.
    double conversionProgress() const { return m_conversionProgress; }
    void setConversionProgress(double fraction);

    // The seconds the whole batch still needs; none while there is no sound estimate.
    std::optional<qint64> secondsLeft() const { return m_secondsLeft; }
    void setSecondsLeft(std::optional<qint64> seconds);

    bool showCompletionView() const { return m_showCompletionView; }
    void setShowCompletionView(bool show);

    // The folder the last batch wrote into; empty until a batch has ended.
    const QUrl &outputFolder() const { return m_outputFolder; }
    void setOutputFolder(const QUrl &folder);

    // What became of each file of the last batch, in batch order; empty until a batch has ended.
    const BatchOutcomes &batchOutcomes() const { return m_batchOutcomes; }
    void setBatchOutcomes(const BatchOutcomes &outcomes);

    // How much smaller the last batch's converted files became; empty until a batch has ended.
    const SizeSummary &sizeSummary() const { return m_sizeSummary; }
    void setSizeSummary(const SizeSummary &summary);

Q_SIGNALS:
    void droppedFilesChanged();
    void restoredFileCountChanged(qsizetype count);
    void isConvertingChanged(bool converting);
    void currentFileIndexChanged(qint64 index);
    void conversionProgressChanged(double fraction);
    void secondsLeftChanged();
    void showCompletionViewChanged(bool show);
    void outputFolderChanged();
    void batchOutcomesChanged();
    void sizeSummaryChanged();

private:
    QList<QUrl> m_droppedFiles;
    qsizetype m_restoredFileCount = 0;
    bool m_isConverting = false;
    qint64 m_currentFileIndex = 0;
    double m_conversionProgress = 0.0;
    std::optional<qint64> m_secondsLeft;
    bool m_showCompletionView = false;
    QUrl m_outputFolder;
    BatchOutcomes m_batchOutcomes;
    SizeSummary m_sizeSummary;
};
