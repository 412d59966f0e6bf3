// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MediaInfo.h"

#include <QStringList>

// Reads a media file's streams and tags with libavformat, in this process: no decoding beyond
// what the headers leave open. Blocks on the disk: run it off the GUI thread.
namespace MediaProbe {

// The tags the output keeps: the place and the camera, as phones and cameras write them.
QStringList recordingTagKeys();

// Nothing but a regular file is opened, so a pipe or a device in a file's place cannot hang it.
MediaInfo probe(const QString &path);
// How long a file the app wrote itself lasts, from its headers alone.
std::optional<qint64> durationMs(const QString &path);

} // namespace MediaProbe
