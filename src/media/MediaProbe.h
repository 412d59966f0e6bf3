// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MediaHelperPool.h"
#include "MediaInfo.h"

// Reads a media file's streams and tags with libavformat, in a media helper process: no decoding
// beyond what the headers leave open, and a file that crashes the parsers costs that file alone.
// Blocks on the disk: run it off the GUI thread.
namespace MediaProbe {

// Nothing but a regular file is opened, so a pipe or a device in a file's place cannot hang it.
// A file that crashes or hangs the reader comes back unreadable and `breaksReader`.
MediaInfo probe(const QString &path, MediaHelperPool &helpers = *MediaHelperPool::bundled());
// How long a file the app wrote itself lasts, from its headers alone.
std::optional<qint64> durationMs(const QString &path,
                                 MediaHelperPool &helpers = *MediaHelperPool::bundled());

} // namespace MediaProbe
