// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EncoderRunner.h"

#include "EncoderArguments.h"
#include "OutputReader.h"

#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// From linux/ioprio.h, which glibc does not wrap.
constexpr int ioprioWhoProcess = 1;
constexpr int ioprioClassBestEffort = 2;
constexpr int ioprioClassShift = 13;
constexpr int ioprioLowestLevel = 7;

// The encoders may keep every core and the disk busy; the desktop, and this app's own window,
// come first. Never raises a priority the app was already started below.
void yieldToTheDesktop()
{
    errno = 0;
    const int nice = ::getpriority(PRIO_PROCESS, 0);
    if (errno == 0 && nice < EncoderRunner::EncoderNice)
        ::setpriority(PRIO_PROCESS, 0, EncoderRunner::EncoderNice);
    ::syscall(SYS_ioprio_set, ioprioWhoProcess, 0,
              (ioprioClassBestEffort << ioprioClassShift) | ioprioLowestLevel);
}

// The encoder leads a process group of its own, so whatever it started goes with it.
void signalGroup(qint64 pid, int signalNumber)
{
    if (pid <= 0) // 0 would be this app's own group
        return;
    // Just forked, it may not have made its group yet.
    if (::kill(-pid_t(pid), signalNumber) != 0)
        ::kill(pid_t(pid), signalNumber);
}

} // namespace

EncoderRunner::EncoderRunner(const QString &encoderPath, QObject *parent)
    : QObject(parent)
    , m_encoderPath(encoderPath)
{
    m_killTimer.setSingleShot(true);
    m_killTimer.setInterval(CancelGraceMs);
    connect(&m_killTimer, &QTimer::timeout, this, [this] {
        if (isRunning())
            signalGroup(m_process->processId(), SIGKILL);
    });
}

EncoderRunner::~EncoderRunner()
{
    if (!isRunning())
        return;
    // QProcess's own destructor would block until the child is reaped. Instead the process
    // object outlives us, cut off from this runner, and deletes itself once the child is gone.
    m_process->disconnect(this);
    delete m_stdoutReader;
    delete m_stderrReader;
    m_process->setParent(nullptr);
    connect(m_process, &QProcess::finished, m_process, &QObject::deleteLater);
    signalGroup(m_process->processId(), SIGKILL);
}

void EncoderRunner::start(const QString &inputPath, const QString &outputPath,
                          const MediaInfo &media)
{
    Q_ASSERT(!m_process);
    m_outputPath = outputPath;
    if (m_encoderPath.isEmpty() || !QFileInfo::exists(m_encoderPath)) {
        finishLater(FileOutcome::Failure::EncoderMissing);
        return;
    }

    m_process = new QProcess(this);
    m_process->setProgram(m_encoderPath);
    m_process->setArguments(EncoderArguments::forFile(inputPath, outputPath, media));
    // HandBrakeCLI reads keyboard commands from stdin: a pipe of ours, never the app's terminal,
    // where in the background it would be stopped by SIGTTIN and hang the batch.
    const pid_t parent = ::getpid();
    m_process->setChildProcessModifier([parent] {
        // Dies with the app, even if the app is killed. The signal follows the forking thread,
        // which is the main thread here.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
        // Its own process group: Ctrl+C in the app's terminal reaches the app, which then
        // stops its encoders and removes their partial outputs, instead of the encoders directly.
        ::setpgid(0, 0);
        yieldToTheDesktop();
    });

    m_stdoutReader = new OutputReader(m_process, QProcess::StandardOutput, this);
    m_stderrReader = new OutputReader(m_process, QProcess::StandardError, this);
    connect(m_stdoutReader, &OutputReader::progressParsed, this, &EncoderRunner::onProgress);
    connect(m_stderrReader, &OutputReader::progressParsed, this, &EncoderRunner::onProgress);
    connect(m_stdoutReader, &OutputReader::secondsLeftParsed, this, &EncoderRunner::secondsLeft);
    connect(m_stderrReader, &OutputReader::secondsLeftParsed, this, &EncoderRunner::secondsLeft);
    connect(m_process, &QProcess::finished, this, &EncoderRunner::onProcessFinished);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart && m_process->state() == QProcess::NotRunning)
            finishLater(FileOutcome::Failure::LaunchFailed);
    });
    m_process->start();
}

void EncoderRunner::cancel()
{
    if (!isRunning() || m_cancelled)
        return;
    m_cancelled = true;
    signalGroup(m_process->processId(), SIGINT);
    m_killTimer.start();
}

// HandBrakeCLI 1.6 crashes when told to pause before its encode has begun, and one told at its
// very first report (0%, its encoding threads still starting) was once seen never to resume.
void EncoderRunner::pause()
{
    if (m_paused)
        return;
    m_paused = true;
    if (m_encoding && isRunning())
        m_process->write("p\n");
}

void EncoderRunner::resume()
{
    if (!m_paused)
        return;
    m_paused = false;
    if (m_encoding && isRunning())
        m_process->write("r\n");
}

void EncoderRunner::onProgress(double fraction)
{
    if (!m_encoding && fraction > 0) {
        m_encoding = true;
        if (m_paused)
            m_process->write("p\n");
    }
    Q_EMIT progress(fraction);
}

bool EncoderRunner::isRunning() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

qint64 EncoderRunner::processId() const
{
    return isRunning() ? m_process->processId() : 0;
}

QStringList EncoderRunner::lastErrorLines() const
{
    return m_stderrReader ? m_stderrReader->tail().lines() : QStringList();
}

void EncoderRunner::finishLater(FileOutcome::Failure failure, int detail)
{
    QMetaObject::invokeMethod(
        this, [this, failure, detail] { Q_EMIT finished(failure, detail); }, Qt::QueuedConnection);
}

void EncoderRunner::onProcessFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    m_killTimer.stop();
    m_stdoutReader->drain();
    m_stderrReader->drain();

    using Failure = FileOutcome::Failure;
    if (m_cancelled)
        Q_EMIT finished(Failure::Cancelled, 0);
    else if (exitStatus == QProcess::CrashExit)
        Q_EMIT finished(Failure::Signal, exitCode);
    else if (exitCode != 0)
        Q_EMIT finished(Failure::ExitStatus, exitCode);
    else if (const QFileInfo output(m_outputPath); !output.isFile() || output.size() == 0)
        Q_EMIT finished(Failure::NoOutput, 0);
    else
        Q_EMIT finished(Failure::None, 0);
}
