// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "EncodeCapacity.h"
#include "FileOutcome.h"
#include "files/FileVersion.h"
#include "media/MediaHelperPool.h"

#include <QObject>
#include <QSet>

#include <memory>
#include <optional>
#include <vector>

class BatchList;

// Converts the waiting files of a batch list, each into a new, never-overwriting
// "_converted.mp4" file in the output folder, and tells how each file moves on: begun, its
// progress, ended with its outcome. It only reads the list; whoever owns it applies what it
// tells. Files begin in list order, each once its headers have been read and the encode before
// it is ending (see EncodePace), never more at once than the capacity allows, and may end in any
// order; files that join the list while the batch runs are converted too. The folder only ever
// shows finished files: each is written under a hidden temporary name first.
class BatchConverter : public QObject
{
    Q_OBJECT

public:
    // The media helpers read each converted file back and rewrite it.
    BatchConverter(const QString &encoderPath, const QString &outputFolder,
                   std::shared_ptr<MediaHelperPool> mediaHelpers, const BatchList *files,
                   QObject *parent = nullptr);
    // Kills running encoders and removes their partial outputs, without waiting. A finished file
    // that is being flushed to disk still gets its name.
    ~BatchConverter() override;

    // How many encodes may run side by side: one unless set.
    void setCapacity(const EncodeCapacity &capacity) { m_capacity = capacity; }

    // Converts the list's waiting files, from the event loop; does nothing while a batch runs or
    // when no file waits.
    void start();
    // Stops every running encoder, removes their partial outputs, marks them and every file not
    // yet begun as Cancelled, then emits finished(). Paused encoders stop too.
    void cancel();
    // Holds every running encode where it is and begins no further file, until resume(). Any
    // number of calls in a row leave every encoder as the last one asked.
    void pause();
    void resume();
    // Paused, and every running encoder is seen to hold: the batch uses no CPU.
    bool holds() const { return m_holds; }
    // Files joined the list, or a waiting file's headers were read: begins what may begin now.
    void reconsider();

    bool isRunning() const { return m_running; }

Q_SIGNALS:
    // The file at `index` began converting, from the version of the input it found there.
    void fileBegan(qsizetype index, const FileVersion &input);
    // Its encoder reported the share done, unclamped, or its own estimate of the time left.
    void fileProgressed(qsizetype index, double fraction);
    void fileEstimated(qsizetype index, qint64 secondsLeft);
    // The file at `index` ended, converted or not: it is no longer waiting or converting.
    void fileEnded(qsizetype index, const FileOutcome &outcome);
    // Every file of the batch has ended.
    void finished();
    void holdsChanged(bool holds);

private:
    struct Encode;

    void startFilesLater();
    void startFiles();
    void startFile(qsizetype index);
    void launch(Encode *encode);
    bool anEncodeIsMidway() const;
    double nextPictureScale(qsizetype encodedIndex);
    QList<qint64> runningEncoderSizes() const;
    void onEncoderFinished(Encode *encode, FileOutcome::Failure failure, int detail);
    // What the converted file is made of.
    enum class Content { Encode, InputStreams };
    void publish(Encode *encode, Content content);
    void endEncode(Encode *encode);
    FileOutcome::Failure causeOf(const Encode &encode, FileOutcome::Failure failure) const;
    void record(qsizetype index, FileOutcome::Failure failure, int detail = 0,
                const QString &outputPath = {}, const QStringList &encoderLines = {},
                bool inputStreamsKept = false);
    bool aFileWaits();
    void followHold();

    QString m_encoderPath;
    QString m_outputFolder;
    const BatchList *m_files;
    // Shared with the files being published, which may outlive the converter.
    std::shared_ptr<MediaHelperPool> m_mediaHelpers;
    EncodeCapacity m_capacity;
    // Every file before it has begun or ended.
    qsizetype m_nextToStart = 0;
    std::vector<std::unique_ptr<Encode>> m_encodes; // encoding or being published
    bool m_startScheduled = false;
    bool m_running = false;
    bool m_cancelRequested = false;
    bool m_paused = false;
    bool m_holds = false;
    // Once the disk is full, the files still to come cannot succeed either.
    bool m_diskFull = false;
    // The names this batch's files were given, which a later file must not take even where the
    // user has moved the file away since.
    QSet<QString> m_publishedPaths;
};
