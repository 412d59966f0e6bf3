// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FileOutcome.h"
#include "media/MediaInfo.h"

#include <QObject>
#include <QProcess>
#include <QTimer>

class OutputReader;

// Runs the encoder once, for one input and one output path, and tells how it went.
// finished() always comes from the event loop, never from inside start().
class EncoderRunner : public QObject
{
    Q_OBJECT

public:
    static constexpr int CancelGraceMs = 2000;
    // The encoder's CPU priority: below the desktop's, which stays at 0.
    static constexpr int EncoderNice = 10;
    // How long an encoder told to pause must stay quiet and idle to be taken as holding.
    static constexpr int HoldCheckMs = 500;

    explicit EncoderRunner(const QString &encoderPath, QObject *parent = nullptr);
    // Kills a still-running encoder, and all of its process group, without waiting for it.
    ~EncoderRunner() override;

    // With the command line that what is known of the input calls for, and `extraArguments`.
    void start(const QString &inputPath, const QString &outputPath, const MediaInfo &media = {},
               const QStringList &extraArguments = {});
    // Interrupts the encoder's process group (HandBrakeCLI stops cleanly on SIGINT) and kills
    // the group if the encoder is still there after the grace period; finished() then reports
    // Cancelled.
    void cancel();
    void setCancelGrace(int milliseconds) { m_killTimer.setInterval(milliseconds); }
    // Holds the encode where it is, in the encoder's memory, and goes on from there: through
    // HandBrakeCLI's own keyboard commands, so that a paused encoder still ends with the app.
    // An encoder still opening its file is paused once it has encoded a little. Any number of
    // calls in a row leave the encoder as the last one asked.
    void pause();
    void resume();
    void setHoldCheck(int milliseconds) { m_holdTimer.setInterval(milliseconds); }
    // The encoder is seen to hold: told to pause, it has stopped reporting and using the CPU.
    bool holds() const { return m_holds; }
    bool isRunning() const;
    // The encoder's process id while it runs, else 0.
    qint64 processId() const;
    // The last few lines the encoder wrote to its error channel, where it says what went wrong.
    QStringList lastErrorLines() const;

Q_SIGNALS:
    void progress(double fraction);
    // The encoder's own estimate of the time the file still needs.
    void secondsLeft(qint64 seconds);
    void finished(FileOutcome::Failure failure, int detail);
    void holdsChanged(bool holds);

private:
    void finishLater(FileOutcome::Failure failure, int detail = 0);
    void onProgress(double fraction);
    void sendNextCommand();
    void watchForHold();
    void checkHold();
    void setHolds(bool holds);
    void onProcessFinished(int exitCode, QProcess::ExitStatus exitStatus);

    QString m_encoderPath;
    QString m_outputPath;
    QProcess *m_process = nullptr;
    OutputReader *m_stdoutReader = nullptr;
    OutputReader *m_stderrReader = nullptr;
    QTimer m_killTimer;
    QTimer m_holdTimer;
    bool m_cancelled = false;
    bool m_encoding = false; // past opening, scanning and starting: some progress reported
    bool m_pauseWanted = false;
    bool m_holds = false;
    char m_sent = 0; // the command not yet seen taken
    qint64 m_ticksAtCheck = 0;
};
