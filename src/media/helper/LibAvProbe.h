// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/MediaInfo.h"

// Reads a media file's streams and tags with libavformat: no decoding beyond what the headers
// leave open.
namespace LibAvProbe {

MediaInfo probe(const char *path);
std::optional<qint64> durationMs(const char *path);

} // namespace LibAvProbe
