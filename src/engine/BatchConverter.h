#pragma once

#include "FileOutcome.h"

#include <QObject>
#include <QSet>

#include <memory>

class EncoderRunner;
class OutputFile;

// Converts a list of files strictly one after another, each into a new, never-overwriting
// "_converted.mp4" file in the output folder, and records what became of every file. The folder
// only ever shows finished files: each is written under a hidden temporary name first.
class BatchConverter : public QObject
{
    Q_OBJECT

public:
    BatchConverter(const QString &encoderPath, const QString &outputFolder,
                   QObject *parent = nullptr);
    // Kills a running encoder and removes its partial output, without waiting. A finished file
    // that is being flushed to disk still gets its name.
    ~BatchConverter() override;

    // Does nothing for an empty list or while a batch runs. Resets the index and progress at
    // once; the files are then converted from the event loop.
    void start(const QList<QUrl> &files);
    // Adds files to the end of the running batch; does nothing when none runs.
    void append(const QList<QUrl> &files);
    // Stops the running encoder, removes its partial output, marks it and every file not yet
    // begun as Cancelled, then emits finished().
    void cancel();

    qint64 currentFileIndex() const { return m_currentFileIndex; }
    double conversionProgress() const { return m_conversionProgress; }
    bool isRunning() const { return m_running; }
    BatchOutcomes outcomes() const { return m_outcomes; }

Q_SIGNALS:
    void currentFileIndexChanged(qint64 index);
    void conversionProgressChanged(double fraction);
    // One file has ended, converted or not; `outcome` is the batch's next outcome in order.
    void fileFinished(const FileOutcome &outcome);
    // The encoder's own estimate of the time the current file still needs.
    void fileSecondsLeftReported(qint64 seconds);
    void finished(const BatchOutcomes &outcomes);

private:
    void setCurrentFileIndex(qint64 index);
    void setConversionProgress(double fraction);
    void convertNextFileLater();
    void convertNextFile();
    void onFileFinished(FileOutcome::Failure failure, int detail);
    void publish();
    FileOutcome::Failure causeOf(FileOutcome::Failure failure, const QString &inputPath) const;
    void record(FileOutcome::Failure failure, int detail = 0, const QString &outputPath = {},
                const QStringList &encoderLines = {});

    QString m_encoderPath;
    QString m_outputFolder;
    QList<QUrl> m_files;
    BatchOutcomes m_outcomes;
    QSet<QString> m_takenPaths;
    EncoderRunner *m_runner = nullptr;
    std::unique_ptr<OutputFile> m_output;
    qint64 m_currentFileIndex = 0;
    double m_conversionProgress = 0.0;
    bool m_running = false;
    bool m_cancelRequested = false;
};
