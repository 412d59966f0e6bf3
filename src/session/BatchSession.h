#pragma once

#include "BatchProgress.h"
#include "engine/FileOutcome.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QUrl>

class BatchConverter;
class DropIntake;
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

    ScreenState *state() const { return m_state; }
    QString outputFolder() const { return m_outputFolder; }

    // Types the URLs off the main thread; each video among them is listed once it is known.
    void addFiles(const QList<QUrl> &urls);
    // Converts the listed files; does nothing without files or while a batch runs.
    void startConversion();
    // Stops a running batch, which then ends as usual with the stopped files marked cancelled:
    // the files converted so far stay, the one being converted is removed.
    void cancelConversion();
    // Leaves the completion screen for the drop screen, listing the files that arrived during
    // the batch.
    void goBack();

private:
    void onVideoFound(const QUrl &url);
    void finishConversion(const BatchOutcomes &outcomes);
    void onFileBegan(qint64 index);
    void onFileProgress(double fraction);
    void onFileSecondsLeft(qint64 seconds);
    void estimateTimeLeft();

    QString m_outputFolder;
    ScreenState *m_state;
    DropIntake *m_intake;
    BatchConverter *m_converter;
    // Files whose typing ended after the batch had started: they are not part of it, and wait
    // to be listed for the next one.
    QList<QUrl> m_waitingFiles;
    // What the time-left estimate is made from, and the clock of the current file.
    BatchProgress::Timing m_timing;
    QElapsedTimer m_fileClock;
};
