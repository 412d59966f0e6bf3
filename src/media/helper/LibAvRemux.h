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
// not written. The chapters are those of `originalPath`, where given, if it has more than the
// source (the encoder drops a last chapter shorter than 1.5 s), and so is its cover picture where
// the source has none (the encoder drops every cover).
bool remux(const char *sourcePath, int targetFd, const QDateTime &recorded,
           const QList<MediaInfo::Tag> &recordingTags, const char *originalPath,
           const std::function<void()> &stillWorking);

} // namespace LibAvRemux
