// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "EncodeCapacity.h"
#include "FileOutcome.h"

#include <QObject>
#include <QSet>

#include <memory>
#include <optional>
#include <vector>

// Converts a list of files, each into a new, never-overwriting "_converted.mp4" file in the
// output folder, and records what became of every file. Files begin in list order, each once
// the one before has begun encoding, as many at once as the capacity allows, and may end in any
// order. The folder only ever shows finished
// files: each is written under a hidden temporary name first.
class BatchConverter : public QObject
{
    Q_OBJECT

public:
    BatchConverter(const QString &encoderPath, const QString &outputFolder,
                   QObject *parent = nullptr);
    // Kills running encoders and removes their partial outputs, without waiting. A finished file
    // that is being flushed to disk still gets its name.
    ~BatchConverter() override;

    // How many encodes may run side by side: one unless set.
    void setCapacity(const EncodeCapacity &capacity) { m_capacity = capacity; }

    // Does nothing for an empty list or while a batch runs. The files are converted from the
    // event loop.
    void start(const QList<QUrl> &files);
    // Adds files to the end of the running batch; does nothing when none runs.
    void append(const QList<QUrl> &files);
    // Stops every running encoder, removes their partial outputs, marks them and every file not
    // yet begun as Cancelled, then emits finished().
    void cancel();

    bool isRunning() const { return m_running; }

Q_SIGNALS:
    // The encoder has been started for the file at `index` in the batch.
    void fileStarted(qsizetype index);
    void fileProgress(qsizetype index, double fraction);
    // The encoder's own estimate of the time that file still needs.
    void fileSecondsLeftReported(qsizetype index, qint64 seconds);
    // The file at `index` has ended, converted or not.
    void fileFinished(qsizetype index, const FileOutcome &outcome);
    // Every file has ended; the outcomes are in batch order.
    void finished(const BatchOutcomes &outcomes);

private:
    struct Encode;

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

    QString m_encoderPath;
    QString m_outputFolder;
    EncodeCapacity m_capacity;
    QList<QUrl> m_files;
    QList<std::optional<FileOutcome>> m_outcomes; // in batch order, as files end
    qsizetype m_nextToStart = 0;
    qsizetype m_endedCount = 0;
    QSet<QString> m_takenPaths;
    std::vector<std::unique_ptr<Encode>> m_encodes; // encoding or being published
    bool m_startScheduled = false;
    bool m_running = false;
    bool m_cancelRequested = false;
};
