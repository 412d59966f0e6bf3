// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BatchProgress.h"
#include "engine/EncodeCapacity.h"
#include "engine/FileOutcome.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QUrl>

#include <memory>

class BatchConverter;
class BatchRecord;
class DropIntake;
class QLockFile;
class ScreenState;

// The one place where a batch starts, advances, ends and is cancelled. It owns what the screens
// show (the ScreenState), the intake that types incoming files, and the converter; views render
// from the state and send their requests here.
class BatchSession : public QObject
{
    Q_OBJECT

public:
    BatchSession(const QString &encoderPath, const QString &outputFolder,
                 QObject *parent = nullptr);
    ~BatchSession() override;

    ScreenState *state() const { return m_state; }
    QString outputFolder() const { return m_outputFolder; }

    // How many files are converted side by side: as many as this machine allows, unless set.
    void setEncodeCapacity(const EncodeCapacity &capacity);

    // Keeps a record of each running batch at `path` and lists, as if just dropped, the files
    // that an unfinished batch of an earlier run left unconverted. Only one running instance
    // holds the record: for the others this does nothing.
    void recordBatchesAt(const QString &path);

    // Types the URLs off the main thread; each video among them, and each inside a folder among
    // them, is listed once it is known. While a batch runs, new files join its end; on the
    // completion screen they start the next list on the drop screen.
    void addFiles(const QList<QUrl> &urls);
    // Empties the drop screen's list and forgets files still being typed for it.
    void clearFiles();
    // Converts the listed files; does nothing without files or while a batch runs.
    void startConversion();
    // Stops a running batch because the user asked to: it ends as usual with the stopped files
    // marked cancelled; the files converted so far stay, the one being converted is removed.
    void stopConversion();
    // The same because the app is going away: its record stays, so that the files not converted
    // are offered at the next start.
    void cancelConversion();
    // Leaves the completion screen for an empty drop screen.
    void goBack();

private:
    void onVideosFound(const QList<QUrl> &urls);
    void onFileStarted(qsizetype index);
    void onFileProgress(qsizetype index, double fraction);
    void onFileSecondsLeft(qsizetype index, qint64 seconds);
    void onFileFinished(qsizetype index, const FileOutcome &outcome);
    void finishConversion(const BatchOutcomes &outcomes);
    void forgetRestoredFilesIfCleared();
    void writeRecord();
    void addToBatch(const QList<QUrl> &files);
    void showCurrentFile();
    void estimateTimeLeft();

    QString m_outputFolder;
    ScreenState *m_state;
    DropIntake *m_intake;
    BatchConverter *m_converter;

    std::unique_ptr<QLockFile> m_recordLock;
    std::unique_ptr<BatchRecord> m_record;
    QList<QUrl> m_batchFiles;
    bool m_keepRecord = false;
    // Unconverted files of an earlier run, while their typing is under way.
    QList<QUrl> m_restoring;
    // Where each file of the batch stands, which the screens and the time left are made from,
    // and the clock of the batch.
    BatchProgress::Timing m_timing;
    QElapsedTimer m_batchClock;
};
