// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MediaHelperPool.h"
#include "MediaInfo.h"

// Copies an MP4 or Matroska file's streams and chapters as they are, without decoding them, into a
// new MP4 file that says when and where its clip was recorded: the encoder stamps its own time and
// drops the input's place and camera. The copy runs in a media helper process.
namespace MetadataRemux {

// Writes to `targetFd`, an empty file open for writing and seeking, which the helper is handed
// as it is. False where the source could not be read whole or the target not written, or the
// helper crashed or hung; the target's content is then of no use.
// The chapters and the cover are those of `originalPath` where the source lost them.
bool remux(const QString &sourcePath, int targetFd, const QDateTime &recorded,
           const QList<MediaInfo::Tag> &recordingTags, const QString &originalPath = {},
           MediaHelperPool &helpers = *MediaHelperPool::bundled());

} // namespace MetadataRemux
