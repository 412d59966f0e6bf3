// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StaleOutputCleanup.h"

#include "OutputFile.h"
#include "OutputNaming.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray commandName(const QByteArray &pid)
{
    QFile file(QStringLiteral("/proc/%1/comm").arg(QLatin1String(pid)));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

QByteArray executable(const QByteArray &pid)
{
    char target[4096];
    const ssize_t size = ::readlink(("/proc/" + pid + "/exe").constData(), target, sizeof target);
    QByteArray path(target, std::max<ssize_t>(size, 0));
    // An executable replaced by an update reads "... (deleted)"; it is still the same program.
    if (path.endsWith(" (deleted)"))
        path.chop(10);
    return path;
}

// Errs on the side of a running instance: a process that cannot be told apart is kept as one.
bool isRunningInstance(qint64 pid, const QByteArray &name)
{
    if (pid == ::getpid())
        return OutputFile::isWrittenByThisProcess(name);
    if (pid > std::numeric_limits<pid_t>::max() || (::kill(pid_t(pid), 0) != 0 && errno == ESRCH))
        return false;
    const QByteArray id = QByteArray::number(pid);
    const QByteArray comm = commandName(id);
    const QByteArray exe = executable(id);
    if (comm.isEmpty() && exe.isEmpty())
        return true;
    return (!comm.isEmpty() && comm == commandName("self")) ||
           (!exe.isEmpty() && exe == executable("self"));
}

} // namespace

int StaleOutputCleanup::run(const QString &folder)
{
    const int folderFd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0)
        return 0;
    DIR *entries = ::fdopendir(folderFd);
    if (!entries) {
        ::close(folderFd);
        return 0;
    }
    int removed = 0;
    while (const dirent *entry = ::readdir(entries)) {
        const QByteArray name(entry->d_name);
        const qint64 owner = OutputNaming::temporaryFileOwner(name);
        struct stat status = {};
        if (owner == 0 || isRunningInstance(owner, name) ||
            ::fstatat(folderFd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(status.st_mode))
            continue;
        if (::unlinkat(folderFd, entry->d_name, 0) == 0)
            ++removed;
    }
    ::closedir(entries);
    return removed;
}
