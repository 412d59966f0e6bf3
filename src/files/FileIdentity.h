// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHashFunctions>

// Which file on the disk a path leads to: the same under every spelling of the path, through
// symbolic links, hard links and bind mounts.
struct FileIdentity
{
    quint64 device = 0;
    quint64 inode = 0;

    friend bool operator==(const FileIdentity &, const FileIdentity &) = default;
    friend size_t qHash(const FileIdentity &identity, size_t seed = 0)
    {
        return qHashMulti(seed, identity.device, identity.inode);
    }
};
