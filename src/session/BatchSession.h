// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ProgressTracker.h"
#include "TrashOffer.h"
#include "engine/EncodeCapacity.h"
#include "files/FileIdentity.h"

#include <QList>
#include <QObject>
#include <QUrl>

#include <memory>
#include <optional>

class BatchConverter;
class CrashRecorder;
class FileIntake;
struct MediaInfo;
class HeaderReadQueue;
class ScreenState;
struct FileOutcome;

// The one place where a batch starts, advances, ends and is cancelled, and the only writer of
// what the screens show (the ScreenState, with the one list of files). The intake that types
// incoming files, the header reader, the converter and the batch's record only read the list and
// tell what happened; the session applies each event to the list first, then tells the record,
// then the converter, and only then do the screens and the desktop hear of it, through the
// state. Views render from the state and send their requests here.
class BatchSession : public QObject
{
    Q_OBJECT

public:
    BatchSession(const QString &encoderPath, const QString &outputFolder,
                 QObject *parent = nullptr);
    ~BatchSession() override;

    const ScreenState *state() const { return m_state.get(); }
    // The state to write directly, for the screen tour and for tests that put the window into a
    // face without running a batch. The app itself changes it only through this session.
    ScreenState *stagedState() { return m_state.get(); }
    QString outputFolder() const { return m_outputFolder; }

    // How many files are converted side by side: as many as this machine allows, unless set.
    void setEncodeCapacity(const EncodeCapacity &capacity);

    // Keeps a record of each running batch at `path` and lists, as if just dropped, the files
    // that an unfinished batch of an earlier run left unconverted. Only one running instance
    // holds the record: for the others this does nothing.
    void recordBatchesAt(const QString &path);

    // Types the URLs off the main thread; each video among them, and each inside a folder among
    // them, is listed in the order given once it is known. While a batch runs, new files join
    // its end; on the completion screen they start the next list on the drop screen.
    void addFiles(const QList<QUrl> &urls);
    // Empties the drop screen's list and forgets files still being typed or looked for in folders
    // for it.
    void clearFiles();
    // Converts the listed files; does nothing without files or while a batch runs.
    void startConversion();
    // Stops a running batch because the user asked to: it ends as usual with the stopped files
    // marked cancelled; the files converted so far stay, the ones being converted are removed.
    void stopConversion();
    // The same because the app is going away: its record stays, so that the files not converted
    // are offered at the next start.
    void stopForQuit();
    // Pauses the running batch, or resumes it where each encode was. Stop and quit work from
    // either.
    void setPaused(bool paused);
    // Leaves the completion screen for an empty drop screen.
    void goBack();
    // On the completion screen: asks the desktop's Trash to take the originals whose converted
    // files pass their checks, and to give them back; notes what it did.
    void moveOriginalsToTrash();
    void putOriginalsBack();
    void noteTrashMoves(int generation, const TrashOffer::Moves &moves);
    void noteTrashReturns(int generation, const TrashOffer::Returns &returns);
    // The desktop could not open the output folder the completion screen offered.
    void noteFolderNotOpened();

Q_SIGNALS:
    // For the desktop's Trash, with the generation of the offer its answer must name.
    void originalsToTrash(int generation, const QList<TrashOffer::Original> &originals);
    void originalsToPutBack(int generation, const QList<TrashOffer::Trashed> &trashed);
    // A move ended after the user left its batch's report: only the desktop can still tell them.
    void trashMovesOutOfSight(const TrashOffer &offer);

private:
    void onVideosFound(const QList<QUrl> &urls, const QList<FileIdentity> &identities);
    void onHeadersRead(qsizetype index, const MediaInfo &media);
    void onFileBegan(qsizetype index, const FileVersion &input);
    void onFileProgressed(qsizetype index, double fraction);
    void onFileEstimated(qsizetype index, qint64 secondsLeft);
    void onFileEnded(qsizetype index, const FileOutcome &outcome);
    void followBatchLater();
    void followBatch();
    void showProgress();
    void finishConversion();

    QString m_outputFolder;
    // Outlives everything that reads it; the destructor says in which order the rest goes.
    std::unique_ptr<ScreenState> m_state;
    std::unique_ptr<FileIntake> m_intake;
    std::unique_ptr<HeaderReadQueue> m_headerReader;
    std::unique_ptr<CrashRecorder> m_recorder;
    std::unique_ptr<BatchConverter> m_converter;
    ProgressTracker m_progress;
    bool m_followScheduled = false;
};
