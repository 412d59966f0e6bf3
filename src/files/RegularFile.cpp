// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RegularFile.h"

#include <fcntl.h>
#include <unistd.h>

int RegularFile::openForReading(const QByteArray &path, struct stat *status)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat own = {};
    struct stat *checked = status ? status : &own;
    if (::fstat(fd, checked) != 0 || !S_ISREG(checked->st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}
