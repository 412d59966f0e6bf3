#include "BatchConverter.h"

#include "EncoderRunner.h"
#include "OutputFile.h"

#include <QFile>
#include <QFutureWatcher>
#include <QtConcurrent>

#include <fcntl.h>
#include <unistd.h>

using Failure = FileOutcome::Failure;

namespace {

bool isReadable(const QString &path)
{
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

} // namespace

BatchConverter::BatchConverter(const QString &encoderPath, const QString &outputFolder,
                               QObject *parent)
    : QObject(parent)
    , m_encoderPath(encoderPath)
    , m_outputFolder(outputFolder)
{}

BatchConverter::~BatchConverter()
{
    delete m_runner;
    m_output.reset();
}

void BatchConverter::start(const QList<QUrl> &files)
{
    if (files.isEmpty() || m_running)
        return;
    m_files = files;
    m_outcomes.clear();
    m_takenPaths.clear();
    m_running = true;
    m_cancelRequested = false;
    setCurrentFileIndex(0);
    setConversionProgress(0.0);
    convertNextFileLater();
}

void BatchConverter::append(const QList<QUrl> &files)
{
    if (m_running)
        m_files.append(files);
}

void BatchConverter::cancel()
{
    if (!m_running || m_cancelRequested)
        return;
    m_cancelRequested = true;
    if (m_runner)
        m_runner->cancel();
}

void BatchConverter::setCurrentFileIndex(qint64 index)
{
    if (m_currentFileIndex == index)
        return;
    m_currentFileIndex = index;
    Q_EMIT currentFileIndexChanged(index);
}

void BatchConverter::setConversionProgress(double fraction)
{
    if (m_conversionProgress == fraction)
        return;
    m_conversionProgress = fraction;
    Q_EMIT conversionProgressChanged(fraction);
}

void BatchConverter::convertNextFileLater()
{
    QMetaObject::invokeMethod(this, &BatchConverter::convertNextFile, Qt::QueuedConnection);
}

void BatchConverter::convertNextFile()
{
    const qsizetype index = m_outcomes.size();
    // Once the disk is full, the files still to come cannot succeed either.
    const bool diskFull = index > 0 && m_outcomes.last().failure == Failure::DiskFull;
    if (m_cancelRequested || diskFull) {
        while (m_outcomes.size() < m_files.size())
            record(m_cancelRequested ? Failure::Cancelled : Failure::DiskFull);
    }
    if (m_outcomes.size() == m_files.size()) {
        m_running = false;
        Q_EMIT finished(m_outcomes);
        return;
    }

    setCurrentFileIndex(index);
    // Each file starts from nothing, not from where the one before ended.
    setConversionProgress(0.0);
    const QUrl &input = m_files.at(index);
    if (!isReadable(input.toLocalFile())) {
        record(Failure::InputUnreadable);
        convertNextFileLater();
        return;
    }
    Failure failure = Failure::None;
    m_output = OutputFile::create(m_outputFolder, input.fileName(), &failure);
    if (!m_output) {
        record(failure);
        convertNextFileLater();
        return;
    }

    m_runner = new EncoderRunner(m_encoderPath, this);
    connect(m_runner, &EncoderRunner::progress, this, &BatchConverter::setConversionProgress);
    connect(m_runner, &EncoderRunner::secondsLeft, this, &BatchConverter::fileSecondsLeftReported);
    connect(m_runner, &EncoderRunner::finished, this, &BatchConverter::onFileFinished);
    m_runner->start(input.toLocalFile(), m_output->temporaryPath());
}

void BatchConverter::onFileFinished(Failure failure, int detail)
{
    const bool converted = failure == FileOutcome::Failure::None;
    const QStringList encoderLines = converted ? QStringList() : m_runner->lastErrorLines();
    m_runner->deleteLater();
    m_runner = nullptr;
    if (failure == Failure::None) {
        publish();
        return;
    }
    const Failure cause = causeOf(failure, m_files.at(m_outcomes.size()).toLocalFile());
    m_output.reset();
    record(cause, cause == failure ? detail : 0, {}, encoderLines);
    convertNextFileLater();
}

// Off the GUI thread: flushing a large file to a slow disk takes long enough to be seen.
void BatchConverter::publish()
{
    using Published = std::pair<QString, Failure>;
    auto *watcher = new QFutureWatcher<Published>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        const auto [path, failure] = watcher->result();
        watcher->deleteLater();
        if (!path.isEmpty())
            m_takenPaths.insert(path);
        record(failure, 0, path);
        convertNextFileLater();
    });
    watcher->setFuture(QtConcurrent::run([output = std::shared_ptr<OutputFile>(std::move(m_output)),
                                          taken = m_takenPaths]() mutable {
        Failure failure = Failure::None;
        const QString path = output->publish(taken, &failure);
        output.reset(); // a failed file is gone before its outcome is told
        return Published(path, failure);
    }));
}

// The encoder sees only its own side of a failure. What lies behind it, when that is the disk,
// the output folder or the input, is what the user can do something about.
Failure BatchConverter::causeOf(Failure failure, const QString &inputPath) const
{
    if (failure == Failure::Cancelled || failure == Failure::EncoderMissing ||
        failure == Failure::LaunchFailed)
        return failure;
    if (m_output->isOnFullDisk())
        return Failure::DiskFull;
    if (m_output->temporaryFileIsGone())
        return Failure::OutputUnwritable;
    if (!isReadable(inputPath))
        return Failure::InputUnreadable;
    return failure;
}

void BatchConverter::record(Failure failure, int detail, const QString &outputPath,
                            const QStringList &encoderLines)
{
    FileOutcome outcome;
    outcome.input = m_files.at(m_outcomes.size());
    outcome.outputPath = outputPath;
    outcome.failure = failure;
    outcome.detail = detail;
    outcome.encoderLines = encoderLines;
    m_outcomes.append(outcome);
    Q_EMIT fileFinished(outcome);
}
