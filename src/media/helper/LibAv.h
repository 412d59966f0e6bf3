// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint> // before FFmpeg's headers, which need its constant macros in C++
#include <optional>

extern "C" {
#include <libavcodec/codec_id.h>
}

namespace LibAv {

// FFmpeg's libraries write their warnings to the app's error channel; what matters of a file
// reaches the user through the encoder's own words instead.
void quietLogs();

// Whether the encoder reads a subtitle track as text or as pictures; nothing where it does not
// read it at all.
std::optional<bool> subtitleIsText(AVCodecID codec);

} // namespace LibAv
