// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FileIdentity.h"

#include <QByteArray>

#include <optional>
#include <sys/stat.h>

// One state of one file on the disk: which file it is, its size and when it was last written. A
// file put in another's place, or written since, is another version.
struct FileVersion
{
    FileIdentity identity;
    qint64 size = 0;
    qint64 modifiedNs = 0;

    static FileVersion of(const struct stat &info)
    {
        return {{quint64(info.st_dev), quint64(info.st_ino)},
                qint64(info.st_size),
                qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
    }

    // The regular file at `path` itself, a symbolic link there not followed; none for anything
    // else.
    static std::optional<FileVersion> ofRegularFile(const QByteArray &path)
    {
        struct stat info = {};
        if (::lstat(path.constData(), &info) != 0 || !S_ISREG(info.st_mode))
            return std::nullopt;
        return of(info);
    }

    friend bool operator==(const FileVersion &, const FileVersion &) = default;
};
