#pragma once

#include "engine/FileOutcome.h"

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

    // Types the URLs off the main thread; each video among them, and each inside a folder among
    // them, is listed once it is known. While a batch runs, new files join its end; on the
    // completion screen they start the next list on the drop screen.
    void addFiles(const QList<QUrl> &urls);
    // Empties the drop screen's list and forgets files still being typed for it.
    void clearFiles();
    // Converts the listed files; does nothing without files or while a batch runs.
    void startConversion();
    // Stops a running batch, which then ends as usual with the stopped files marked cancelled.
    void cancelConversion();
    // Leaves the completion screen for an empty drop screen.
    void goBack();

private:
    void onVideosFound(const QList<QUrl> &urls);
    void finishConversion(const BatchOutcomes &outcomes);

    QString m_outputFolder;
    ScreenState *m_state;
    DropIntake *m_intake;
    BatchConverter *m_converter;
};
