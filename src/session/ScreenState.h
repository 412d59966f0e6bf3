// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BatchReport.h"
#include "TrashOffer.h"
#include "engine/BatchList.h"

#include <QObject>
#include <QUrl>

#include <optional>

// Everything the screens show, each value with one change signal. In the app the batch session
// alone writes it (the screen tour makes one up); views render from a const one and keep no
// copy.
class ScreenState : public QObject
{
    Q_OBJECT

public:
    // The one screen the window shows.
    enum class Screen { Drop, Converting, Completion };
    Q_ENUM(Screen)

    explicit ScreenState(QObject *parent = nullptr);

    // The files of the next batch, of the running one, or of the one that has just ended.
    BatchList &files() { return *m_files; }
    const BatchList &files() const { return *m_files; }

    Screen screen() const { return m_screen; }
    void setScreen(Screen screen);
    bool isConverting() const { return m_screen == Screen::Converting; }
    bool isOnCompletionScreen() const { return m_screen == Screen::Completion; }

    // The user has asked the running batch to pause, and not yet to resume.
    bool isPauseAsked() const { return m_pauseAsked; }
    void setPauseAsked(bool asked);
    // The running batch is paused: every encoder is seen to hold where it is and no file begins.
    bool isPaused() const { return m_paused; }
    void setPaused(bool paused);

    // How many of the listed files an unfinished batch of an earlier run left unconverted.
    qsizetype restoredFileCount() const { return m_restoredFileCount; }
    void setRestoredFileCount(qsizetype count);

    // How many folders the drops still being looked through have entered, once that takes a
    // while; 0 while none is.
    qsizetype foldersSeen() const { return m_foldersSeen; }
    void setFoldersSeen(qsizetype count);

    // Whether the running batch goes without its crash record, as the state folder cannot be
    // written: a crash would then leave nothing to offer again.
    bool crashRecoveryIsOff() const { return m_crashRecoveryIsOff; }
    void setCrashRecoveryIsOff(bool off);

    // The zero-based position of the file the converting screen names.
    qint64 currentFileIndex() const { return m_currentFileIndex; }
    void setCurrentFileIndex(qint64 index);

    // The fraction of the file the converting screen names that its encoder reports as done,
    // unclamped.
    double conversionProgress() const { return m_conversionProgress; }
    void setConversionProgress(double fraction);

    // The running batch's share done, in whole percent, and how many of its files have not yet
    // ended, as the window title and the taskbar show them.
    int batchPercent() const { return m_batchPercent; }
    void setBatchPercent(int percent);
    qsizetype filesLeft() const { return m_filesLeft; }
    void setFilesLeft(qsizetype count);

    // The seconds the whole batch still needs; none while there is no sound estimate.
    std::optional<qint64> secondsLeft() const { return m_secondsLeft; }
    void setSecondsLeft(std::optional<qint64> seconds);

    // The folder the last batch wrote into; empty until a batch has ended.
    const QUrl &outputFolder() const { return m_outputFolder; }
    void setOutputFolder(const QUrl &folder);

    // How the last batch went, in words.
    const BatchReport &report() const { return m_report; }
    void setReport(const BatchReport &report);
    // The last batch's converted files, in list order.
    QList<QUrl> convertedFiles() const { return m_files->convertedFiles(); }

    // The desktop could not open the output folder: the completion screen says where it is.
    bool folderNotOpened() const { return m_folderNotOpened; }
    void setFolderNotOpened(bool notOpened);

    // What the completion screen offers to do with the last batch's originals, and did.
    const TrashOffer &trashOffer() const { return m_trashOffer; }
    void setTrashOffer(const TrashOffer &offer);

Q_SIGNALS:
    void screenChanged(ScreenState::Screen screen);
    void pauseAskedChanged(bool asked);
    void pausedChanged(bool paused);
    void restoredFileCountChanged(qsizetype count);
    void foldersSeenChanged(qsizetype count);
    void crashRecoveryIsOffChanged();
    void currentFileIndexChanged(qint64 index);
    void conversionProgressChanged(double fraction);
    void batchPercentChanged(int percent);
    void filesLeftChanged(qsizetype count);
    void secondsLeftChanged();
    void outputFolderChanged();
    void reportChanged();
    void folderNotOpenedChanged();
    void trashOfferChanged();

private:
    BatchList *m_files;
    Screen m_screen = Screen::Drop;
    bool m_pauseAsked = false;
    bool m_paused = false;
    qsizetype m_restoredFileCount = 0;
    qsizetype m_foldersSeen = 0;
    bool m_crashRecoveryIsOff = false;
    qint64 m_currentFileIndex = 0;
    double m_conversionProgress = 0.0;
    int m_batchPercent = 0;
    qsizetype m_filesLeft = 0;
    std::optional<qint64> m_secondsLeft;
    QUrl m_outputFolder;
    BatchReport m_report;
    bool m_folderNotOpened = false;
    TrashOffer m_trashOffer;
};
