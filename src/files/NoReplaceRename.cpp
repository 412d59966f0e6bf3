// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NoReplaceRename.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

int NoReplaceRename::rename(int fromFolderFd, const char *from, int toFolderFd, const char *to)
{
    // The system call, since older C libraries lack the wrapper.
#ifdef SYS_renameat2
    if (::syscall(SYS_renameat2, fromFolderFd, from, toFolderFd, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
#endif
    if (::linkat(fromFolderFd, from, toFolderFd, to, 0) != 0)
        return -1;
    ::unlinkat(fromFolderFd, from, 0);
    return 0;
}
