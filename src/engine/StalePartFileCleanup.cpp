// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StalePartFileCleanup.h"

#include "ConvertedFileNaming.h"
#include "ProcessLiveness.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The app cleans up once at its start, before it writes any file of its own: a file named with
// this process's id was left by an earlier process that had the same id.
bool isRunningInstance(qint64 pid)
{
    return pid != ::getpid() && ProcessLiveness::isRunningInstance(pid);
}

} // namespace

int StalePartFileCleanup::run(const QString &folder)
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
        const qint64 owner = ConvertedFileNaming::temporaryFileOwner(name);
        struct stat status = {};
        if (owner == 0 || isRunningInstance(owner) ||
            ::fstatat(folderFd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(status.st_mode))
            continue;
        if (::unlinkat(folderFd, entry->d_name, 0) == 0)
            ++removed;
    }
    ::closedir(entries);
    return removed;
}
