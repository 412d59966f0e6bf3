// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/MediaInfo.h"

#include <functional>

// Copies an MP4 or Matroska file's streams and chapters as they are, without decoding them, into a
// new MP4 file with the given recording date and tags.
namespace LibAvRemux {

// Writes to `targetFd`, an empty file open for writing and seeking; calls `stillWorking` about
// once a second while it copies. False where the source could not be read whole or the target
// not written.
bool remux(const char *sourcePath, int targetFd, const QDateTime &recorded,
           const QList<MediaInfo::Tag> &recordingTags, const std::function<void()> &stillWorking);

} // namespace LibAvRemux
