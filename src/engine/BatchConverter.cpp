// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BatchConverter.h"

#include "BatchList.h"
#include "ConvertedFile.h"
#include "EncodePace.h"
#include "EncodeTrial.h"
#include "EncoderRunner.h"
#include "files/RegularFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QtConcurrent>

#include <unistd.h>

using Failure = FileOutcome::Failure;

namespace {

// A regular file that opens: a pipe put in the input's place would hold the encoder at 0% for
// ever. Its version then is the one the encoder reads.
std::optional<FileVersion> readableVersion(const QString &path)
{
    struct stat info = {};
    const int fd = RegularFile::openForReading(QFile::encodeName(path), &info);
    if (fd < 0)
        return std::nullopt;
    ::close(fd);
    return FileVersion::of(info);
}

} // namespace

struct BatchConverter::Encode
{
    ~Encode()
    {
        // The encoder dies before its partial output is removed.
        delete runner;
        output.reset();
    }

    qsizetype index = 0;
    EncoderRunner *runner = nullptr; // null once the encoder has ended
    // Shared with the finishing of the file, which may outlive the converter.
    std::shared_ptr<ConvertedFile> output;
    // While the encoder runs on a slice only, to see whether the whole encode would pay.
    std::optional<EncodeTrial> trial;
    QElapsedTimer sinceLaunch;
    EncodePace pace;
    bool ending = false; // the next file may begin beside it

    bool isMidway() const { return runner && !ending; }
};

BatchConverter::BatchConverter(const QString &encoderPath, const QString &outputFolder,
                               std::shared_ptr<MediaHelperPool> mediaHelpers,
                               const BatchList *files, QObject *parent)
    : QObject(parent)
    , m_encoderPath(encoderPath)
    , m_outputFolder(outputFolder)
    , m_files(files)
    , m_mediaHelpers(std::move(mediaHelpers))
{}

BatchConverter::~BatchConverter() = default;

void BatchConverter::start()
{
    if (m_running || !m_files->hasPendingFiles())
        return;
    m_nextToStart = 0;
    m_running = true;
    m_cancelRequested = false;
    m_paused = false;
    followHold();
    m_diskFull = false;
    m_publishedPaths.clear();
    startFilesLater();
}

void BatchConverter::reconsider()
{
    if (m_running)
        startFilesLater();
}

void BatchConverter::cancel()
{
    if (!m_running || m_cancelRequested)
        return;
    m_cancelRequested = true;
    m_paused = false;
    for (const auto &encode : m_encodes)
        if (encode->runner)
            encode->runner->cancel();
    followHold();
    startFilesLater();
}

void BatchConverter::pause()
{
    if (!m_running || m_cancelRequested || m_paused)
        return;
    m_paused = true;
    for (const auto &encode : m_encodes)
        if (encode->runner)
            encode->runner->pause();
    followHold();
}

void BatchConverter::resume()
{
    if (!m_paused)
        return;
    m_paused = false;
    for (const auto &encode : m_encodes) {
        if (encode->runner)
            encode->runner->resume();
        encode->pace.resumed();
    }
    followHold();
    startFilesLater();
}

void BatchConverter::startFilesLater()
{
    if (m_startScheduled)
        return;
    m_startScheduled = true;
    QMetaObject::invokeMethod(this, &BatchConverter::startFiles, Qt::QueuedConnection);
}

void BatchConverter::startFiles()
{
    m_startScheduled = false;
    if (!m_running)
        return;
    if (m_cancelRequested || m_diskFull) {
        const Failure failure = m_cancelRequested ? Failure::Cancelled : Failure::DiskFull;
        while (aFileWaits())
            record(m_nextToStart++, failure);
    }
    // A file's command line follows what its headers say, so its encode waits for them.
    while (!m_paused && aFileWaits() && m_files->at(m_nextToStart).media && !anEncodeIsMidway() &&
           m_capacity.allowsAnother(runningEncoderSizes()))
        startFile(m_nextToStart++);

    if (!aFileWaits() && m_encodes.empty()) {
        m_running = false;
        Q_EMIT finished();
    }
}

// Every file before the next to start has begun or ended here; the list keeps the stage of the
// ones after it, where files that join the batch wait too.
bool BatchConverter::aFileWaits()
{
    while (m_nextToStart < m_files->size() &&
           m_files->at(m_nextToStart).stage != BatchFile::Stage::Waiting)
        ++m_nextToStart;
    return m_nextToStart < m_files->size();
}

void BatchConverter::startFile(qsizetype index)
{
    const QUrl input = m_files->at(index).url;
    const std::optional<FileVersion> version = readableVersion(input.toLocalFile());
    if (!version) {
        record(index, Failure::InputUnreadable);
        return;
    }
    // What crashed the reader would likely crash the encoder too, after a long wait.
    if (m_files->at(index).media->breaksReader) {
        record(index, Failure::InputDamaged);
        return;
    }
    Failure failure = Failure::None;
    std::unique_ptr<ConvertedFile> output =
        ConvertedFile::create(m_outputFolder, input.fileName(), &failure);
    if (!output) {
        record(index, failure);
        return;
    }

    auto encode = std::make_unique<Encode>();
    encode->index = index;
    encode->output = std::move(output);
    encode->trial = EncodeTrial::forFile(*m_files->at(index).media, m_files->at(index).size);
    Encode *raw = encode.get();
    m_encodes.push_back(std::move(encode));
    Q_EMIT fileBegan(index, *version);
    launch(raw);
}

// The encoder, on the trial's slice while there is one, else on the whole file. A slice's
// progress is not the file's, and says nothing of when the whole encode ends.
void BatchConverter::launch(Encode *encode)
{
    encode->runner = new EncoderRunner(m_encoderPath);
    encode->pace = {};
    if (!encode->trial) {
        connect(encode->runner, &EncoderRunner::progress, this, [this, encode](double fraction) {
            encode->pace.progressed(fraction, encode->sinceLaunch.elapsed());
            if (!encode->ending && encode->pace.isEnding(nextPictureScale(encode->index))) {
                encode->ending = true;
                startFilesLater();
            }
            Q_EMIT fileProgressed(encode->index, fraction);
        });
        connect(encode->runner, &EncoderRunner::secondsLeft, this,
                [this, encode](qint64 seconds) { Q_EMIT fileEstimated(encode->index, seconds); });
    }
    connect(encode->runner, &EncoderRunner::holdsChanged, this, &BatchConverter::followHold);
    connect(encode->runner, &EncoderRunner::finished, this,
            [this, encode](Failure failure, int detail) {
                onEncoderFinished(encode, failure, detail);
            });
    encode->sinceLaunch.start();
    const BatchFile &file = m_files->at(encode->index);
    encode->runner->start(file.url.toLocalFile(), encode->output->temporaryPath(), *file.media,
                          encode->trial ? encode->trial->arguments() : QStringList());
    if (m_paused)
        encode->runner->pause();
}

// The next file's pictures against the encode's, by area; 1 where either is unknown.
double BatchConverter::nextPictureScale(qsizetype encodedIndex)
{
    const auto area = [this](qsizetype index) {
        const std::optional<MediaInfo> &media = m_files->at(index).media;
        return media ? double(media->picture.width()) * media->picture.height() : 0.0;
    };
    const double encoded = area(encodedIndex);
    const double next = aFileWaits() ? area(m_nextToStart) : 0.0;
    return encoded > 0 && next > 0 ? next / encoded : 1.0;
}

// Only one encode at a time is opening or in the middle of its file; the next begins as it ends.
bool BatchConverter::anEncodeIsMidway() const
{
    return std::any_of(m_encodes.cbegin(), m_encodes.cend(),
                       [](const auto &encode) { return encode->isMidway(); });
}

QList<qint64> BatchConverter::runningEncoderSizes() const
{
    QList<qint64> sizes;
    for (const auto &encode : m_encodes)
        if (encode->runner)
            sizes.append(EncodeCapacity::residentBytes(encode->runner->processId()));
    return sizes;
}

void BatchConverter::onEncoderFinished(Encode *encode, Failure failure, int detail)
{
    const QStringList encoderLines =
        failure == Failure::None ? QStringList() : encode->runner->lastErrorLines();
    encode->runner->deleteLater();
    encode->runner = nullptr;
    followHold();
    // The next encode need not wait for this file to be finished and flushed.
    startFilesLater();
    // A slice is never a converted file. One that fails to encode proves nothing, and the whole
    // file is encoded instead.
    if (const std::optional<EncodeTrial> trial = std::exchange(encode->trial, std::nullopt);
        trial && !m_cancelRequested && failure != Failure::Cancelled) {
        const qint64 inputBytes = QFileInfo(m_files->at(encode->index).url.toLocalFile()).size();
        if (failure != Failure::None ||
            trial->encodeWouldSaveATenth(QFileInfo(encode->output->temporaryPath()).size(),
                                         inputBytes))
            launch(encode);
        else
            publish(encode, Content::InputStreams);
        return;
    } else if (trial) {
        failure = Failure::Cancelled;
    }
    // A converted file's place is taken only once the file has its name and its outcome is
    // told, so that a record kept of the outcomes never lags behind the folder.
    if (failure == Failure::None) {
        publish(encode, Content::Encode);
        return;
    }
    const Failure cause = causeOf(*encode, failure);
    const qsizetype index = encode->index;
    endEncode(encode);
    record(index, cause, cause == failure ? detail : 0, {}, encoderLines);
}

// Off the GUI thread: flushing a large file to a slow disk takes long enough to be seen.
void BatchConverter::publish(Encode *encode, Content content)
{
    using Published = std::tuple<QString, Failure, bool>;
    auto *watcher = new QFutureWatcher<Published>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, encode] {
        const auto [path, failure, inputStreamsKept] = watcher->result();
        watcher->deleteLater();
        const qsizetype index = encode->index;
        // The input's own streams could not be written: it is encoded after all, unless stopped.
        const bool unwritten = path.isEmpty() && failure == Failure::None;
        if (unwritten && !m_cancelRequested) {
            launch(encode);
            return;
        }
        endEncode(encode);
        record(index, unwritten ? Failure::Cancelled : failure, 0, path, {}, inputStreamsKept);
        startFilesLater();
    });
    watcher->setFuture(QtConcurrent::run(
        [output = encode->output, content, taken = m_publishedPaths,
         input = m_files->at(encode->index).url.toLocalFile(),
         media = *m_files->at(encode->index).media, helpers = m_mediaHelpers]() mutable {
            Failure failure = Failure::None;
            const QString path =
                content == Content::Encode
                    ? output->finish(input, media, taken, *helpers, &failure)
                    : output->finishWithInputStreams(input, media, taken, *helpers, &failure);
            const bool inputStreamsKept = output->holdsInputStreams();
            // A failed file is gone once the converter lets go of it, before its outcome is told.
            output.reset();
            return Published(path, failure, inputStreamsKept);
        }));
}

void BatchConverter::followHold()
{
    const bool holds =
        m_paused && std::all_of(m_encodes.cbegin(), m_encodes.cend(), [](const auto &encode) {
            return !encode->runner || encode->runner->holds();
        });
    if (holds == m_holds)
        return;
    m_holds = holds;
    Q_EMIT holdsChanged(holds);
}

void BatchConverter::endEncode(Encode *encode)
{
    std::erase_if(m_encodes, [encode](const auto &e) { return e.get() == encode; });
}

// The encoder sees only its own side of a failure. What lies behind it, when that is the disk,
// the output folder or the input, is what the user can do something about.
Failure BatchConverter::causeOf(const Encode &encode, Failure failure) const
{
    if (failure == Failure::Cancelled || failure == Failure::EncoderMissing ||
        failure == Failure::LaunchFailed)
        return failure;
    if (encode.output->isOnFullDisk())
        return Failure::DiskFull;
    if (encode.output->temporaryFileIsGone())
        return Failure::OutputUnwritable;
    if (!readableVersion(m_files->at(encode.index).url.toLocalFile()))
        return Failure::InputUnreadable;
    return failure;
}

void BatchConverter::record(qsizetype index, Failure failure, int detail, const QString &outputPath,
                            const QStringList &encoderLines, bool inputStreamsKept)
{
    m_diskFull = m_diskFull || failure == Failure::DiskFull;
    if (!outputPath.isEmpty())
        m_publishedPaths.insert(outputPath);
    FileOutcome outcome;
    outcome.input = m_files->at(index).url;
    outcome.outputPath = outputPath;
    outcome.failure = failure;
    outcome.detail = detail;
    outcome.encoderLines = encoderLines;
    outcome.inputStreamsKept = inputStreamsKept;
    const std::optional<MediaInfo> &media = m_files->at(index).media;
    outcome.pictureSubtitlesLeftOut =
        outcome.converted() && !inputStreamsKept && media && media->leavesOutPictureSubtitles();
    Q_EMIT fileEnded(index, outcome);
}
