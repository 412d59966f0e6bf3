// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopTrash.h"

#include "files/NoReplaceRename.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUrl>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace DesktopTrash {

namespace {

// Enough for any real pile of same-named files, few enough that a refusing Trash answers at once.
constexpr int MaxNameTries = 1000;

// Which Trash takes the file, and the path its note gives: absolute in the home Trash, relative
// to the drive's top folder in a drive's own.
struct Destination
{
    QByteArray trash;
    QByteArray notedPath;
};

// A folder of ours alone, made where missing: a link or someone else's folder is never used.
bool ensurePrivateFolder(const QByteArray &path)
{
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat info = {};
    if (::lstat(path.constData(), &info) != 0)
        return false;
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::getuid()) {
        errno = EPERM;
        return false;
    }
    return true;
}

bool ensureTrash(const QByteArray &trash)
{
    return ensurePrivateFolder(trash) && ensurePrivateFolder(trash + "/files") &&
           ensurePrivateFolder(trash + "/info");
}

// The highest folder above `folder` that is still on its drive.
QByteArray topFolderOf(QByteArray folder, dev_t device)
{
    while (folder != "/") {
        const qsizetype slash = folder.lastIndexOf('/');
        const QByteArray parent = slash <= 0 ? QByteArray("/") : folder.left(slash);
        struct stat info = {};
        if (::stat(parent.constData(), &info) != 0 || info.st_dev != device)
            break;
        folder = parent;
    }
    return folder;
}

std::optional<Destination> destinationFor(const QByteArray &path, dev_t device)
{
    const QByteArray dataHome =
        QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    struct stat home = {};
    // XDG has an application make the data folder where it is missing.
    if (!dataHome.isEmpty() && QDir().mkpath(QFile::decodeName(dataHome)) &&
        ::stat(dataHome.constData(), &home) == 0 && home.st_dev == device) {
        const QByteArray trash = dataHome + "/Trash";
        if (!ensureTrash(trash))
            return std::nullopt;
        return Destination{trash, path};
    }

    // Another drive: its own Trash, so that nothing is copied across drives.
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray top = topFolderOf(path.left(slash), device);
    const QByteArray relative = path.mid(top == "/" ? 1 : top.size() + 1);
    const QByteArray uid = QByteArray::number(::getuid());
    const QByteArray shared = top + "/.Trash";
    struct stat info = {};
    // A shared Trash counts only as the administrator made it: a real folder with the sticky bit.
    if (::lstat(shared.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
        (info.st_mode & S_ISVTX) && ensureTrash(shared + '/' + uid))
        return Destination{shared + '/' + uid, relative};
    const QByteArray own = top + "/.Trash-" + uid;
    if (!ensureTrash(own))
        return std::nullopt;
    return Destination{own, relative};
}

// "clip.mkv", then "clip (2).mkv", "clip (3).mkv"…
QByteArray candidateName(const QByteArray &name, int attempt)
{
    if (attempt == 0)
        return name;
    const qsizetype dot = name.lastIndexOf('.');
    const qsizetype stemEnd = dot > 0 ? dot : name.size();
    return name.left(stemEnd) + " (" + QByteArray::number(attempt + 1) + ')' + name.mid(stemEnd);
}

bool writeWhole(int fd, const QByteArray &bytes)
{
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += n;
    }
    // On the disk before the file moves: a power cut must not leave a moved file without it.
    return ::fdatasync(fd) == 0;
}

QByteArray noteText(const QByteArray &notedPath)
{
    // Percent-encoded as a URL's path, so that any byte of a name survives, newlines included.
    return "[Trash Info]\nPath=" + notedPath.toPercentEncoding("/") + "\nDeletionDate=" +
           QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")).toLatin1() +
           '\n';
}

QByteArray noteOf(const QByteArray &inTrash)
{
    const qsizetype slash = inTrash.lastIndexOf('/');
    const QByteArray files = inTrash.left(slash);
    return files.left(files.lastIndexOf('/')) + "/info/" + inTrash.mid(slash + 1) + ".trashinfo";
}

} // namespace

std::optional<QString> move(const QString &path)
{
    const QByteArray absolute =
        QFile::encodeName(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
    const qsizetype slash = absolute.lastIndexOf('/');
    // The folder as it really is, so that the drive's top folder is found above it.
    char *realFolder = ::realpath(slash == 0 ? "/" : absolute.left(slash).constData(), nullptr);
    if (!realFolder)
        return std::nullopt;
    const QByteArray folder(realFolder);
    std::free(realFolder);
    const QByteArray name = absolute.mid(slash + 1);
    const QByteArray real = (folder == "/" ? QByteArray() : folder) + '/' + name;
    struct stat info = {};
    if (::lstat(real.constData(), &info) != 0)
        return std::nullopt;
    const std::optional<Destination> destination = destinationFor(real, info.st_dev);
    if (!destination)
        return std::nullopt;

    const QByteArray note = noteText(destination->notedPath);
    for (int attempt = 0; attempt < MaxNameTries; ++attempt) {
        const QByteArray entry = candidateName(name, attempt);
        const QByteArray notePath = destination->trash + "/info/" + entry + ".trashinfo";
        const QByteArray filePath = destination->trash + "/files/" + entry;
        const int fd = ::open(notePath.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return std::nullopt;
        const bool written = writeWhole(fd, note);
        const int writeError = errno;
        ::close(fd);
        if (!written) {
            ::unlink(notePath.constData());
            errno = writeError ? writeError : EIO;
            return std::nullopt;
        }
        if (NoReplaceRename::rename(AT_FDCWD, real.constData(), AT_FDCWD, filePath.constData()) ==
            0)
            return QFile::decodeName(filePath);
        const int moveError = errno;
        ::unlink(notePath.constData());
        if (moveError != EEXIST) {
            errno = moveError;
            return std::nullopt;
        }
    }
    errno = EEXIST;
    return std::nullopt;
}

int putBack(const QString &inTrash, const QString &original)
{
    const QByteArray from = QFile::encodeName(inTrash);
    if (NoReplaceRename::rename(AT_FDCWD, from.constData(), AT_FDCWD,
                                QFile::encodeName(original).constData()) != 0)
        return -1;
    // As a file manager's Restore does: otherwise the Trash would list a file it no longer holds.
    ::unlink(noteOf(from).constData());
    return 0;
}

} // namespace DesktopTrash
