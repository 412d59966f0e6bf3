// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace NoReplaceRename {

// Moves `from` to `to`, each relative to its folder's descriptor (or AT_FDCWD), and fails with
// EEXIST rather than replace a file at `to`, with no moment in which it could be replaced.
// QFile::rename cannot promise that without a race, nor keep errno, which tells a full disk from
// a taken name. File systems without the kernel's no-replace rename (some network and FUSE
// ones) get a hard link instead, which refuses a taken name just the same. 0, or -1 with errno.
int rename(int fromFolderFd, const char *from, int toFolderFd, const char *to);

} // namespace NoReplaceRename
