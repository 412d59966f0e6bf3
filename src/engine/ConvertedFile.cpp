// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConvertedFile.h"

#include "ConvertedFileNaming.h"
#include "files/NoReplaceRename.h"
#include "media/ClipComparison.h"
#include "media/MetadataRemux.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

constexpr int MaxCandidates = 10000;
constexpr int MaxTemporaryAttempts = 100;

using Failure = FileOutcome::Failure;

Failure failureFor(int error)
{
    return error == ENOSPC || error == EDQUOT ? Failure::DiskFull : Failure::OutputUnwritable;
}

} // namespace

std::unique_ptr<ConvertedFile> ConvertedFile::create(const QString &folder,
                                                     const QString &inputFileName, Failure *failure)
{
    QDir().mkpath(folder);
    const int folderFd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0) {
        *failure = Failure::OutputUnwritable;
        return nullptr;
    }
    QByteArray name;
    const int fd = createTemporary(folderFd, inputFileName, &name);
    if (fd < 0) {
        *failure = failureFor(errno);
        ::close(folderFd);
        return nullptr;
    }
    ::close(fd);
    return std::unique_ptr<ConvertedFile>(new ConvertedFile(folderFd, folder, inputFileName, name));
}

int ConvertedFile::createTemporary(int folderFd, const QString &inputFileName, QByteArray *name)
{
    static std::atomic<quint64> serial = 0;
    const int nameMax = ConvertedFileNaming::nameMax(folderFd);
    for (int attempt = 0; attempt < MaxTemporaryAttempts; ++attempt) {
        *name = QFile::encodeName(
            ConvertedFileNaming::temporaryFileName(inputFileName, ::getpid(), ++serial, nameMax));
        const int fd = ::openat(folderFd, name->constData(),
                                O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

ConvertedFile::ConvertedFile(int folderFd, const QString &folder, const QString &inputFileName,
                             const QByteArray &temporaryName)
    : m_folderFd(folderFd)
    , m_folder(folder)
    , m_inputFileName(inputFileName)
    , m_temporaryName(temporaryName)
{}

ConvertedFile::~ConvertedFile()
{
    if (!m_published)
        ::unlinkat(m_folderFd, m_temporaryName.constData(), 0);
    ::close(m_folderFd);
}

QString ConvertedFile::temporaryPath() const
{
    return QDir(m_folder).filePath(QFile::decodeName(m_temporaryName));
}

bool ConvertedFile::rewrite(const std::function<bool(const QString &path, int fd)> &write)
{
    QByteArray name;
    const int fd = createTemporary(m_folderFd, m_inputFileName, &name);
    if (fd < 0)
        return false;
    bool written = write(temporaryPath(), fd);
    written = ::close(fd) == 0 && written;
    // Both names are this batch's own hidden files: replacing one with the other is safe.
    written = written && ::renameat(m_folderFd, name.constData(), m_folderFd,
                                    m_temporaryName.constData()) == 0;
    if (!written)
        ::unlinkat(m_folderFd, name.constData(), 0);
    return written;
}

bool ConvertedFile::setModificationTime(const QDateTime &time)
{
    const qint64 ms = time.toMSecsSinceEpoch();
    const struct timespec times[2] = {{0, UTIME_OMIT}, {ms / 1000, (ms % 1000) * 1000000}};
    return ::utimensat(m_folderFd, m_temporaryName.constData(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

// The encoder takes an input cut short while it reads it for a shorter clip, and reports success;
// it dates its output now and drops where and with what the clip was recorded, by which photo
// libraries sort and place clips. Where the rewrite fails, the file is kept as the encoder wrote
// it.
QString ConvertedFile::finish(const QString &inputPath, const MediaInfo &input,
                              const QSet<QString> &taken, MediaHelperPool &helpers,
                              Failure *failure)
{
    if (ClipComparison::endedShort(input, temporaryPath(), helpers)) {
        *failure = Failure::InputChanged;
        return {};
    }
    const QDateTime recorded = ClipComparison::recordingDate(input, inputPath);
    // Where the encode does not pay, the input's own streams, every track, chapter and tag of
    // them, are written into MP4 as they are.
    if (input.widelyPlayable &&
        !savesATenth(QFileInfo(temporaryPath()).size(), QFileInfo(inputPath).size()))
        holdInputStreams(inputPath, input, recorded, helpers);
    // Chapters and cover from the input where it has them: the encoder drops a short last
    // chapter and every cover.
    const QString original = input.chapters > 1 || input.hasCover ? inputPath : QString();
    if (!m_holdsInputStreams && !rewrite([&](const QString &path, int fd) {
            return MetadataRemux::remux(path, fd, recorded, input.recordingTags, original, helpers);
        }))
        qWarning("Could not note the recording date and place in %s", qPrintable(temporaryPath()));
    return publishAsInput(inputPath, taken, failure);
}

QString ConvertedFile::finishWithInputStreams(const QString &inputPath, const MediaInfo &input,
                                              const QSet<QString> &taken, MediaHelperPool &helpers,
                                              Failure *failure)
{
    if (!holdInputStreams(inputPath, input, ClipComparison::recordingDate(input, inputPath),
                          helpers))
        return {};
    return publishAsInput(inputPath, taken, failure);
}

bool ConvertedFile::holdInputStreams(const QString &inputPath, const MediaInfo &input,
                                     const QDateTime &recorded, MediaHelperPool &helpers)
{
    m_holdsInputStreams = rewrite([&](const QString &, int fd) {
        return MetadataRemux::remux(inputPath, fd, recorded, input.recordingTags, {}, helpers);
    });
    return m_holdsInputStreams;
}

QString ConvertedFile::publishAsInput(const QString &inputPath, const QSet<QString> &taken,
                                      Failure *failure)
{
    if (const QDateTime modified = QFileInfo(inputPath).lastModified(); modified.isValid())
        setModificationTime(modified);
    return publish(taken, failure);
}

QString ConvertedFile::publish(const QSet<QString> &taken, Failure *failure)
{
    // Not blocking, should anything have put a pipe in the file's place.
    const int fd = ::openat(m_folderFd, m_temporaryName.constData(),
                            O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        *failure = failureFor(errno);
        if (fd >= 0)
            ::close(fd);
        return {};
    }
    ::close(fd);

    const int nameMax = ConvertedFileNaming::nameMax(m_folderFd);
    for (int n = 1; n <= MaxCandidates; ++n) {
        const QString name = ConvertedFileNaming::convertedFileName(m_inputFileName, n, nameMax);
        const QString path = QDir(m_folder).filePath(name);
        if (taken.contains(path))
            continue;
        if (NoReplaceRename::rename(m_folderFd, m_temporaryName.constData(), m_folderFd,
                                    QFile::encodeName(name).constData()) == 0) {
            m_published = true;
            ::fsync(m_folderFd);
            return path;
        }
        if (errno != EEXIST) {
            *failure = failureFor(errno);
            return {};
        }
    }
    *failure = Failure::OutputUnwritable;
    return {};
}

bool ConvertedFile::isOnFullDisk() const
{
    // By the folder's descriptor, not QStorageInfo's path: that answers nothing once the folder
    // is removed mid-batch, while the descriptor still stands for the folder this file was in.
    struct statvfs disk = {};
    return ::fstatvfs(m_folderFd, &disk) == 0 &&
           qint64(disk.f_bavail) * qint64(disk.f_frsize) < FullDiskMargin;
}

bool ConvertedFile::temporaryFileIsGone() const
{
    struct stat status = {};
    return ::fstatat(m_folderFd, m_temporaryName.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0 &&
           errno == ENOENT;
}
