// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "EncodeCapacity.h"
#include "FileOutcome.h"
#include "MediaProber.h"
#include "media/MediaHelperPool.h"

#include <QObject>

#include <memory>
#include <optional>
#include <vector>

class BatchList;

// Converts the waiting files of a batch list, each into a new, never-overwriting
// "_converted.mp4" file in the output folder, and moves each file of the list on: converting,
// then finished with its outcome. Files begin in list order, each once the one before has begun
// encoding, as many at once as the capacity allows, and may end in any order; files that join
// the list while the batch runs are converted too. The folder only ever shows finished files:
// each is written under a hidden temporary name first.
class BatchConverter : public QObject
{
    Q_OBJECT

public:
    BatchConverter(const QString &encoderPath, const QString &outputFolder, BatchList *files,
                   QObject *parent = nullptr);
    // With the media helper at `mediaHelperPath` rather than the one beside the encoder.
    BatchConverter(const QString &encoderPath, const QString &mediaHelperPath,
                   const QString &outputFolder, BatchList *files, QObject *parent = nullptr);
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
    // Holds every running encode where it is and begins no further file, until resume().
    void pause();
    void resume();

    bool isRunning() const { return m_running; }

Q_SIGNALS:
    // No file of the list is waiting or converting any more.
    void finished();

private:
    struct Encode;

    BatchConverter(const QString &encoderPath, std::shared_ptr<MediaHelperPool> mediaHelpers,
                   const QString &outputFolder, BatchList *files, QObject *parent);

    void startFilesLater();
    void startFiles();
    void startFile(qsizetype index);
    bool anEncoderIsOpening() const;
    QList<qint64> runningEncoderSizes() const;
    void onEncoderFinished(Encode *encode, FileOutcome::Failure failure, int detail);
    void publish(Encode *encode);
    void endEncode(Encode *encode);
    FileOutcome::Failure causeOf(const Encode &encode, FileOutcome::Failure failure) const;
    void record(qsizetype index, FileOutcome::Failure failure, int detail = 0,
                const QString &outputPath = {}, const QStringList &encoderLines = {});
    bool diskIsFull() const;
    QSet<QString> publishedPaths() const;

    QString m_encoderPath;
    QString m_outputFolder;
    BatchList *m_files;
    // Shared with the files being published, which may outlive the converter.
    std::shared_ptr<MediaHelperPool> m_mediaHelpers;
    MediaProber m_prober;
    EncodeCapacity m_capacity;
    // Every file before it has begun or ended.
    qsizetype m_nextToStart = 0;
    std::vector<std::unique_ptr<Encode>> m_encodes; // encoding or being published
    bool m_startScheduled = false;
    bool m_running = false;
    bool m_cancelRequested = false;
    bool m_paused = false;
};
