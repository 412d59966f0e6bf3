#include "BatchConverter.h"

#include "EncoderRunner.h"
#include "OutputNaming.h"

#include <QDir>
#include <QFile>

BatchConverter::BatchConverter(const QString &encoderPath, const QString &outputFolder,
                               QObject *parent)
    : QObject(parent)
    , m_encoderPath(encoderPath)
    , m_outputFolder(outputFolder)
{}

BatchConverter::~BatchConverter()
{
    if (m_runner) {
        delete m_runner;
        QFile::remove(m_currentOutput);
    }
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
    if (m_cancelRequested) {
        while (m_outcomes.size() < m_files.size())
            record(FileOutcome::Failure::Cancelled);
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
    QDir().mkpath(m_outputFolder);
    m_currentOutput = OutputNaming::reserve(m_outputFolder, input.fileName(), m_takenPaths);
    if (m_currentOutput.isEmpty()) {
        record(FileOutcome::Failure::OutputUnwritable);
        convertNextFileLater();
        return;
    }
    m_takenPaths.insert(m_currentOutput);

    m_runner = new EncoderRunner(m_encoderPath, this);
    connect(m_runner, &EncoderRunner::progress, this, &BatchConverter::setConversionProgress);
    connect(m_runner, &EncoderRunner::secondsLeft, this, &BatchConverter::fileSecondsLeftReported);
    connect(m_runner, &EncoderRunner::finished, this, &BatchConverter::onFileFinished);
    m_runner->start(input.toLocalFile(), m_currentOutput);
}

void BatchConverter::onFileFinished(FileOutcome::Failure failure, int detail)
{
    const bool converted = failure == FileOutcome::Failure::None;
    const QStringList encoderLines = converted ? QStringList() : m_runner->lastErrorLines();
    m_runner->deleteLater();
    m_runner = nullptr;
    // Only ever the file this encode reserved, so nothing that existed before is removed.
    if (!converted)
        QFile::remove(m_currentOutput);
    record(failure, detail, converted ? m_currentOutput : QString(), encoderLines);
    m_currentOutput.clear();
    convertNextFileLater();
}

void BatchConverter::record(FileOutcome::Failure failure, int detail, const QString &outputPath,
                            const QStringList &encoderLines)
{
    FileOutcome outcome;
    outcome.input = m_files.at(m_outcomes.size());
    outcome.outputPath = outputPath;
    outcome.failure = failure;
    outcome.detail = detail;
    outcome.encoderLines = encoderLines;
    m_outcomes.append(outcome);
}
