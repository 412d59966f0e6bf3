// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EncoderRunner.h"

#include "EncoderArguments.h"
#include "OutputReader.h"

#include <QFile>
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

// The CPU time the process has used so far, all its threads together, in clock ticks.
qint64 cpuTicks(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    // "pid (command) state ...": the command may hold blanks and parentheses itself.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(") ") + 2).split(' ');
    constexpr int userTime = 11, systemTime = 12; // counted from the state
    return fields.size() > systemTime
               ? fields[userTime].toLongLong() + fields[systemTime].toLongLong()
               : 0;
}

// Right after its pause, a holding HandBrakeCLI uses a tick now and then.
constexpr qint64 idleTicks = 2;

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
    m_holdTimer.setSingleShot(true);
    m_holdTimer.setInterval(HoldCheckMs);
    connect(&m_holdTimer, &QTimer::timeout, this, &EncoderRunner::checkHold);
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
                          const MediaInfo &media, const QStringList &extraArguments)
{
    Q_ASSERT(!m_process);
    m_outputPath = outputPath;
    if (m_encoderPath.isEmpty() || !QFileInfo::exists(m_encoderPath)) {
        finishLater(FileOutcome::Failure::EncoderMissing);
        return;
    }

    m_process = new QProcess(this);
    m_process->setProgram(m_encoderPath);
    m_process->setArguments(EncoderArguments::forFile(inputPath, outputPath, media) +
                            extraArguments);
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

void EncoderRunner::pause()
{
    m_pauseWanted = true;
    sendNextCommand();
}

void EncoderRunner::resume()
{
    m_pauseWanted = false;
    sendNextCommand();
}

void EncoderRunner::onProgress(double fraction)
{
    // It reports only while it encodes.
    if (m_sent == 'p')
        watchForHold(); // a report from before it took the pause
    else
        m_sent = 0;
    setHolds(false);
    if (!m_encoding && fraction > 0)
        m_encoding = true;
    sendNextCommand();
    Q_EMIT progress(fraction);
}

// HandBrakeCLI takes one command line at a time, a fifth of a second apart, and says that it has
// paused only once it goes on again. So each command waits until the encoder is seen to have
// taken the one before, and only what it must do to end as asked is sent. HandBrakeCLI 1.6
// crashes when told to pause before its encode has begun, and one told at its very first report
// (0%, its encoding threads still starting) was once seen never to resume.
void EncoderRunner::sendNextCommand()
{
    if (!m_encoding || m_sent || m_pauseWanted == m_holds || !isRunning())
        return;
    m_sent = m_pauseWanted ? 'p' : 'r';
    m_process->write(m_pauseWanted ? "p\n" : "r\n");
    if (m_pauseWanted)
        watchForHold();
    else
        setHolds(false); // from the moment it may take the command
}

void EncoderRunner::watchForHold()
{
    m_ticksAtCheck = cpuTicks(m_process->processId());
    m_holdTimer.start();
}

void EncoderRunner::checkHold()
{
    if (!isRunning())
        return;
    if (cpuTicks(m_process->processId()) - m_ticksAtCheck > idleTicks) {
        watchForHold();
        return;
    }
    m_sent = 0;
    setHolds(true);
    sendNextCommand();
}

void EncoderRunner::setHolds(bool holds)
{
    if (holds == m_holds)
        return;
    m_holds = holds;
    Q_EMIT holdsChanged(holds);
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
    m_holdTimer.stop();
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
